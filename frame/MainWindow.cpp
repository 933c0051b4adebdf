#include "frame/MainWindow.h"

#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "frame/BossScreen.h"
#include "frame/FixedFrameHints.h"
#include "frame/FrameCentring.h"
#include "frame/GameMonitor.h"
#include "frame/IdleScreen.h"
#include "frame/PlayAids.h"
#include "frame/StatusBar.h"
#include "game/BoardPanel.h"
#include "pictures/ProgramIcon.h"
#include "pictures/StatusPicture.h"
#include "services/HintWatcher.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "widgets/Background.h"
#include "widgets/ProgramLabel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <optional>

namespace {

const QString kTitle = QStringLiteral("Pelikor 2000");
const char* const kBossTitle = QT_TRANSLATE_NOOP("MainWindow", "Plnění plánu v letošním roce");
const char* const kWindowHint = QT_TRANSLATE_NOOP("MainWindow", "Stiskněte klávesu F1 pro nápovědu");
// Keeps a hint clear of the status bar's picture.
const QString kHintIndent = QStringLiteral("      ");
const QString kStatusFont = QStringLiteral("Times New Roman");
constexpr int kStatusFontPixels = 13;

// The 3-pixel frame around the client area, between the toolbar dock and
// the status bar.
constexpr int kFrameWidth = 3;
constexpr QRect kStatusPicturePlace(2, 3, 18, 18);
constexpr QRect kRemainingCaptionPlace(296, 4, 81, 15);
constexpr QRect kRemainingPlace(380, 4, 7, 15);
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
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(kTitle);
    setWindowIcon(pictures::programIcon());
    setStatusTip(tr(kWindowHint));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setBackground(client, kClGray);
    setCentralWidget(client);

    createMenus();
    createToolbar(client);
    createFramePanels(client);
    // The three layers of the client area, lowest first: the idle screen,
    // the board panel and the boss screen, each covering what lies below.
    createIdleScreen(client, kTitle);
    boardPanel_ = new BoardPanel(services.cues, client);
    boardPanel_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(boardPanel_, &BoardPanel::remainingChanged, this, &MainWindow::remainingChanged);
    connect(boardPanel_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        // A right press on a peg or a hole is a move, not a call for the menu.
        if (boardPanel_->isBoardControlAt(at))
            return;
        popupMenu_->popup(boardPanel_->mapToGlobal(at));
    });
    bossScreen_ = new BossScreen(client);
    createStatusBar(client);
    new PlayAids(*this, game_, *popupMenu_);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](QPoint at) { popupMenu_->popup(mapToGlobal(at)); });

    auto* hints = new HintWatcher(this);
    connect(hints, &HintWatcher::hintChanged, this, &MainWindow::showHint);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FrameCentring::centre(*this, sizeHint());

    // The monitor watches from the window's creation to the program's end;
    // its first check runs as soon as the event loop does.
    monitor_ = new GameMonitor(*boardPanel_, game_, services_.settings, this);
    connect(monitor_, &GameMonitor::gameFinished, this, &MainWindow::gameFinished);
    monitor_->arm();
}

MainWindow::~MainWindow() = default;

void MainWindow::createFramePanels(QWidget* client)
{
    const int inner = kClientSize.height() - kDockHeight - 2 * kFrameWidth - StatusBar::kHeight;
    placePanel(client, "topFrame", {0, kDockHeight, kClientSize.width(), kFrameWidth}, kClSilver);
    placePanel(client, "leftFrame", {0, kDockHeight + kFrameWidth, kFrameWidth, inner}, kClSilver);
    placePanel(client, "rightFrame", {kClientSize.width() - kFrameWidth, kDockHeight + kFrameWidth, kFrameWidth, inner},
               kClSilver);
    placePanel(client, "bottomFrame", {0, kDockHeight + kFrameWidth + inner, kClientSize.width(), kFrameWidth}, kClSilver);
}

void MainWindow::createStatusBar(QWidget* client)
{
    statusBar_ = new StatusBar(client);
    statusBar_->setGeometry(0, kClientSize.height() - StatusBar::kHeight, kClientSize.width(), StatusBar::kHeight);
    setBackground(statusBar_, kClSilver);
    QFont font(kStatusFont);
    font.setPixelSize(kStatusFontPixels);
    statusBar_->setFont(font);
    showHint(QString());

    auto* statusPeg = new ProgramLabel(statusBar_);
    statusPicture_ = statusPeg;
    statusPicture_->setObjectName(QStringLiteral("statusPicture"));
    statusPicture_->setGeometry(kStatusPicturePlace);
    statusPeg->setPictureSource(pictures::statusPicture);

    remainingCaption_ = new ProgramLabel(tr("Zbylé kameny :"), statusBar_);
    remainingCaption_->setObjectName(QStringLiteral("remainingCaption"));
    remainingCaption_->setGeometry(kRemainingCaptionPlace);

    remainingLabel_ = new ProgramLabel(QStringLiteral("0"), statusBar_);
    remainingLabel_->setObjectName(QStringLiteral("remainingLabel"));
    font.setBold(true);
    remainingLabel_->setFont(font);
    remainingLabel_->setGeometry(kRemainingPlace);
    remainingLabel_->hide();
}

void MainWindow::switchCommands(bool running)
{
    newGameAction_->setEnabled(!running);
    endGameAction_->setEnabled(running);
    newGameButton_->setEnabled(!running);
    endGameButton_->setEnabled(running);
    popupNewGameAction_->setEnabled(!running);
    popupEndGameAction_->setEnabled(running);
}

void MainWindow::startGame(pelikor::PositionSet occupied, const pelikor::Game& game)
{
    // A start lays the pegs behind the hidden board and shows it when done.
    boardPanel_->hide();
    boardPanel_->layPegs(occupied);
    boardPanel_->show();
    game_.start(game, boardPanel_->board().remaining());
    showGame();
    remainingLabel_->show();
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

void MainWindow::returnToIdle()
{
    boardPanel_->dropSelection();
    boardPanel_->hide();
    game_.finish();
    showGame();
}

void MainWindow::refillAfterResult()
{
    boardPanel_->refill();
    remainingLabel_->hide();
}

void MainWindow::abandonGame()
{
    returnToIdle();
    remainingLabel_->hide();
    game_.abandon();
    showGame();
}

void MainWindow::closeProgram()
{
    close();
}

void MainWindow::startManual()
{
    services_.manual.start();
}

// The game stays as it is behind the boss screen; the monitor goes on.
void MainWindow::toggleBossScreen()
{
    if (bossScreen_->isHidden()) {
        boardPanel_->hide();
        bossScreen_->show();
        remainingCaption_->hide();
        remainingLabel_->hide();
        setWindowTitle(tr(kBossTitle));
        return;
    }
    bossScreen_->hide();
    remainingCaption_->show();
    setWindowTitle(kTitle);
    if (gameRunning()) {
        boardPanel_->show();
        remainingLabel_->show();
    }
}

void MainWindow::showHint(const QString& hint)
{
    statusBar_->setPanelText(kHintIndent + hint);
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
    manualButton_->setEnabled(manual);
    manualAction_->setEnabled(manual);
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

void MainWindow::showGame()
{
    switchCommands(game_.runs());
    showRemaining();
}

void MainWindow::showRemaining()
{
    remainingLabel_->setText(remainingText());
    remainingLabel_->adjustSize();
}

void MainWindow::remainingChanged(int remaining)
{
    game_.setRemaining(remaining);
    showRemaining();
}
