#include "frame/MainWindow.h"

#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "frame/FixedFrameHints.h"
#include "frame/GradientTitle.h"
#include "frame/BossScreen.h"
#include "frame/StatusBar.h"
#include "game/BoardPanel.h"
#include "game/Pegs.h"
#include "pictures/BoardGeometry.h"
#include "pictures/BoardPicture.h"
#include "pictures/ProgramIcon.h"
#include "pictures/StatusPicture.h"
#include "services/HintWatcher.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "widgets/Background.h"
#include "widgets/ProgramLabel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QToolButton>

#include <optional>

using pelikor::kPositionCount;

namespace {

const QString kTitle = QStringLiteral("Pelikor 2000");
const QString kBossTitle = QStringLiteral("Plnění plánu v letošním roce");
const QString kWindowHint = QStringLiteral("Stiskněte klávesu F1 pro nápovědu");
// Keeps a hint clear of the status bar's picture.
const QString kHintIndent = QStringLiteral("      ");
// Where the kernel gives no notice of the settings file's changes, an open
// result keeps looking at it, as its hand-off reads it.
constexpr int kUnnotifiedSettingsPollMs = 1;
const QString kStatusFont = QStringLiteral("Times New Roman");
constexpr int kStatusFontPixels = 13;

// The 3-pixel frame around the client area, between the toolbar dock and
// the status bar.
constexpr int kFrameWidth = 3;
constexpr QRect kPanel1Place(68, 40, 265, 55);
constexpr QRect kImage2Place(48, 106, 305, 300);
constexpr QRect kImage1Place(2, 3, 18, 18);
constexpr QRect kLabel1Place(296, 4, 81, 15);
constexpr QRect kZbytekPlace(380, 4, 7, 15);
// The game code that says no game is known, as after giving one up.
const QString kNoGameCode = QStringLiteral("0");

void placePanel(QWidget* parent, const char* name, const QRect& place, ColourNumber colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(place);
    setBackground(panel, colour);
}

} // namespace

MainWindow::MainWindow(Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services)
{
    setObjectName(QStringLiteral("THlavniDialog"));
    setWindowTitle(kTitle);
    setWindowIcon(pictures::programIcon());
    setStatusTip(kWindowHint);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setBackground(client, kClGray);
    setCentralWidget(client);

    createMenus();
    createToolbar(client);
    createFramePanels(client);
    // The three layers of the client area, lowest first: the idle screen,
    // the board panel and the boss screen, each covering what lies below.
    createIdleScreen(client);
    boardPanel_ = new BoardPanel(services.cues, client);
    boardPanel_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(boardPanel_, &BoardPanel::remainingChanged, this, &MainWindow::remainingChanged);
    connect(boardPanel_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        // A right press on a peg or a hole is a move, not a call for the menu.
        if (boardPanel_->isBoardControlAt(at))
            return;
        PopupMenu1->popup(boardPanel_->mapToGlobal(at));
    });
    bossScreen_ = new BossScreen(client);
    createStatusBar(client);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](QPoint at) { PopupMenu1->popup(mapToGlobal(at)); });

    auto* hints = new HintWatcher(this);
    connect(hints, &HintWatcher::hintChanged, this, &MainWindow::ApplicationHint);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - QRect(QPoint(), sizeHint()).center());

    // The monitor watches from the window's creation to the program's end;
    // its first check runs as soon as the event loop does.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    watchMonitorInputs();
    armMonitor();
}

void MainWindow::watchMonitorInputs()
{
    connect(boardPanel_, &BoardPanel::boardChanged, this, &MainWindow::armMonitor);
    boardPanel_->installEventFilter(this);
    const int notices = services_.settings.changeNotices();
    if (notices >= 0) {
        auto* settingsChanged = new QSocketNotifier(qintptr(notices), QSocketNotifier::Read, this);
        connect(settingsChanged, &QSocketNotifier::activated, this, &MainWindow::armMonitor);
    }
}

void MainWindow::createFramePanels(QWidget* client)
{
    const int inner = kClientSize.height() - kDockHeight - 2 * kFrameWidth - StatusBar::kHeight;
    placePanel(client, "PanelHorni", {0, kDockHeight, kClientSize.width(), kFrameWidth}, kClSilver);
    placePanel(client, "PanelLevy", {0, kDockHeight + kFrameWidth, kFrameWidth, inner}, kClSilver);
    placePanel(client, "PanelPravy", {kClientSize.width() - kFrameWidth, kDockHeight + kFrameWidth, kFrameWidth, inner},
               kClSilver);
    placePanel(client, "PanelDolni", {0, kDockHeight + kFrameWidth + inner, kClientSize.width(), kFrameWidth}, kClSilver);
}

void MainWindow::createIdleScreen(QWidget* client)
{
    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kPanel1Place);
    static_cast<QFrame*>(Panel1)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(Panel1, kClSilver);
    GradText1 = makeGradientTitle(Panel1, QStringLiteral("GradText1"), kTitle, 32);
    GradText2 = makeGradientTitle(Panel1, QStringLiteral("GradText2"), QStringLiteral("verze 5.0"), 15);
    // The name centred, the version under its right end.
    GradText1->move((Panel1->width() - GradText1->width()) / 2, 2);
    GradText2->move(GradText1->geometry().right() - GradText2->width(), Panel1->height() - GradText2->height() - 2);

    auto* idleBoard = new ProgramLabel(client);
    Image2 = idleBoard;
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(kImage2Place);
    Image2->setScaledContents(true);
    idleBoard->setPictureSource(pictures::boardPicture);

    for (int n = 1; n <= kPositionCount; ++n)
        makePeg(client, QStringLiteral("P%1").arg(n), pictures::decorationRect(n), kPegNormal);
}

void MainWindow::createStatusBar(QWidget* client)
{
    StavovyRadek = new StatusBar(client);
    StavovyRadek->setGeometry(0, kClientSize.height() - StatusBar::kHeight, kClientSize.width(), StatusBar::kHeight);
    setBackground(StavovyRadek, kClSilver);
    QFont font(kStatusFont);
    font.setPixelSize(kStatusFontPixels);
    StavovyRadek->setFont(font);
    ApplicationHint(QString());

    auto* statusPeg = new ProgramLabel(StavovyRadek);
    Image1 = statusPeg;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kImage1Place);
    statusPeg->setPictureSource(pictures::statusPicture);

    Label1 = new ProgramLabel(QStringLiteral("Zbylé kameny :"), StavovyRadek);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kLabel1Place);

    Zbytek = new ProgramLabel(QStringLiteral("0"), StavovyRadek);
    Zbytek->setObjectName(QStringLiteral("Zbytek"));
    font.setBold(true);
    Zbytek->setFont(font);
    Zbytek->setGeometry(kZbytekPlace);
    Zbytek->hide();
}

void MainWindow::switchCommands(bool running)
{
    MS1->setEnabled(!running);
    MS3->setEnabled(running);
    TB1->setEnabled(!running);
    TB2->setEnabled(running);
    MP1->setEnabled(!running);
    MP2->setEnabled(running);
}

void MainWindow::StartGame(pelikor::PositionSet occupied, const pelikor::Game& game)
{
    // A start lays the pegs behind the hidden board and shows it when done.
    boardPanel_->hide();
    boardPanel_->layPegs(occupied);
    boardPanel_->show();
    game_.start(game, boardPanel_->board().remaining());
    showGame();
    Zbytek->show();
    emit gameStarted(game_.startCount());
}

QString MainWindow::gameCode() const
{
    if (const std::optional<pelikor::Game>& game = game_.game())
        return QString::fromUtf8(game->code);
    return kNoGameCode;
}

QString MainWindow::remainingText() const
{
    return QString::number(game_.remaining());
}

void MainWindow::ReturnToIdle()
{
    boardPanel_->dropSelection();
    boardPanel_->hide();
    game_.finish();
    showGame();
}

void MainWindow::ResultClosed()
{
    boardPanel_->refill();
    Zbytek->hide();
}

void MainWindow::AbandonGame()
{
    ReturnToIdle();
    Zbytek->hide();
    game_.abandon();
    showGame();
}

void MainWindow::MS1Click()
{
    emit newGameRequested();
}

void MainWindow::MS3Click()
{
    emit endGameRequested();
}

void MainWindow::MS8Click()
{
    close();
}

void MainWindow::MN5Click()
{
    emit tableRequested();
}

void MainWindow::Vymazattabulkunejlepch1Click()
{
    emit clearTableRequested();
}

void MainWindow::NapovedaMenuClick()
{
    emit helpRequested();
}

void MainWindow::OprogramuClick()
{
    emit aboutRequested();
}

void MainWindow::EM1Click()
{
    services_.manual.start();
}

// The game stays as it is behind the boss screen; the monitor goes on.
void MainWindow::fovskpojistka1Click()
{
    if (bossScreen_->isHidden()) {
        boardPanel_->hide();
        bossScreen_->show();
        Label1->hide();
        Zbytek->hide();
        setWindowTitle(kBossTitle);
        return;
    }
    bossScreen_->hide();
    Label1->show();
    setWindowTitle(kTitle);
    if (gameRunning()) {
        boardPanel_->show();
        Zbytek->show();
    }
}

void MainWindow::ApplicationHint(const QString& hint)
{
    StavovyRadek->setPanelText(kHintIndent + hint);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // Here the window is not mapped yet: the window manager frames it
    // right from the start.
    askForFixedFrame(*this);
    // Run once the window is on screen, so that a dialog it opens comes
    // up in front of it with the keyboard.
    QTimer::singleShot(0, this, &MainWindow::afterShow);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Locked by an open dialog, the window takes no command, closing included.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (AssistantFigure* figure = services_.owners.figure())
        figure->programEnds();
    event->accept();
}

void MainWindow::afterShow()
{
    const bool manual = services_.manual.isPresent();
    EM1->setEnabled(manual);
    EM->setEnabled(manual);
    emit manualTested(manual);

    const QString assistantSetting = services_.settings.read(Settings::kAssistantKey);
    const QString welcomeSetting = services_.settings.read(Settings::kWelcomeKey);
    if (assistantSetting != QLatin1String("1"))
        return;
    if (welcomeSetting != QLatin1String("1")) {
        services_.owners.figure()->show();
        return;
    }
    emit welcomeRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == boardPanel_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        armMonitor();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::armMonitor()
{
    Timer1->start(0);
}

void MainWindow::handOffWindowsChanged()
{
    ++handOffWindows_;
    armMonitor();
}

// The settings are read first, whatever the check finds: the read takes the
// change notices, which would otherwise call for a check again and again.
void MainWindow::Timer1Timer()
{
    const MonitorInputs inputs{boardPanel_->board().pegs(), !boardPanel_->isHidden(), game_.runs(),
                               services_.settings.read(Settings::kAssistantKey), handOffWindows_};
    if (checked_ != inputs) {
        checked_ = inputs;
        lastOutcome_ = boardPanel_->monitorTick();
        if (lastOutcome_ != pelikor::Outcome::Nothing)
            emit gameFinished(lastOutcome_, inputs.assistantSetting);
    }
    if (lastOutcome_ != pelikor::Outcome::Nothing && !services_.settings.changesNotified() && !Timer1->isActive())
        Timer1->start(kUnnotifiedSettingsPollMs);
}

void MainWindow::showGame()
{
    switchCommands(game_.runs());
    boardPanel_->showGameCode(gameCode());
    showRemaining();
}

void MainWindow::showRemaining()
{
    Zbytek->setText(remainingText());
    Zbytek->adjustSize();
}

void MainWindow::remainingChanged(int remaining)
{
    game_.setRemaining(remaining);
    showRemaining();
}
