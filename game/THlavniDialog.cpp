#include "THlavniDialog.h"

#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "HoleShape.h"
#include "Settings.h"
#include "THemisphereButton.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

using pelikor::kPositionCount;

namespace {

constexpr QSize kClientSize(402, 446);
constexpr TColor kPegNormal = 8421631;   // 0x8080FF
constexpr TColor kPegSelected = 16744703; // 0xFF80FF
constexpr TColor kTwinFace = kClGray;
const QString kTitle = QStringLiteral("Pelikor 2000");
constexpr int kMonitorIntervalMs = 1;
const QString kStatusFont = QStringLiteral("Times New Roman");
constexpr int kStatusFontPixels = 13;

void setBackground(QWidget* widget, TColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A peg as the board uses it: lowered 2-pixel ring, shaded face, no border.
THemisphereButton* makePeg(QWidget* parent, const QString& name, const QRect& place, TColor face)
{
    auto* peg = new THemisphereButton(parent);
    peg->setObjectName(name);
    peg->setGeometry(place);
    peg->setFaceColor(face);
    return peg;
}

} // namespace

THlavniDialog::THlavniDialog(Settings& settings, QWidget* parent) : QMainWindow(parent), settings_(settings)
{
    setObjectName(QStringLiteral("THlavniDialog"));
    setWindowTitle(kTitle);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setBackground(client, kClGray);
    setCentralWidget(client);

    // Created in stacking order: the idle screen lies under the board panel,
    // which covers it whenever a game is shown.
    const QPixmap boardPicture = QPixmap::fromImage(resources::boardPicture());
    createIdleScreen(client, boardPicture);
    createBoardPanel(client, boardPicture);
    createStatusBar(client);
    showBoardState();

    // The monitor runs from the window's creation to the program's end.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(kMonitorIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &THlavniDialog::Timer1Timer);
    Timer1->start();
}

void THlavniDialog::createIdleScreen(QWidget* client, const QPixmap& boardPicture)
{
    Image2 = new QLabel(client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(48, 106, 305, 300);
    Image2->setScaledContents(true);
    Image2->setPixmap(boardPicture);

    for (int n = 1; n <= kPositionCount; ++n)
        P[n] = makePeg(client, QStringLiteral("P%1").arg(n), resources::decorationRect(n), kPegNormal);
}

void THlavniDialog::createBoardPanel(QWidget* client, const QPixmap& boardPicture)
{
    Plocha = new QFrame(client);
    Plocha->setObjectName(QStringLiteral("Plocha"));
    Plocha->setGeometry(3, 29, 396, 392);
    Plocha->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Plocha->setLineWidth(1);
    Plocha->setStatusTip(QStringLiteral("Hrací pole"));
    setBackground(Plocha, kClGray);
    Plocha->hide();

    Kontrola = new QLabel(QStringLiteral("Kontrola"), Plocha);
    Kontrola->setObjectName(QStringLiteral("Kontrola"));
    Kontrola->setGeometry(136, 1, 39, 13);
    Kontrola->hide();

    Image3 = new QLabel(Plocha);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(1, 1, 394, 390);
    Image3->setAlignment(Qt::AlignCenter);
    Image3->setPixmap(boardPicture);

    for (int n = 1; n <= kPositionCount; ++n) {
        B[n] = new HoleShape(Plocha);
        B[n]->setObjectName(QStringLiteral("B%1").arg(n));
        B[n]->setGeometry(resources::holeRect(n));
        B[n]->setStatusTip(QStringLiteral("Volný bod"));
        connect(B[n], &HoleShape::mouseDown, this, [this, n] { BMouseDown(n); });
    }

    for (int n = 1; n <= kPositionCount; ++n) {
        K[n] = makePeg(Plocha, QStringLiteral("K%1").arg(n), resources::pegRect(n), kPegNormal);
        K[n]->setStatusTip(QStringLiteral("Hrací kámen"));
        connect(K[n], &THemisphereButton::clicked, this, [this, n] { KClick(n); });
    }

    Pomocna = new QFrame(Plocha);
    Pomocna->setObjectName(QStringLiteral("Pomocna"));
    Pomocna->setGeometry(8, 264, 121, 113);
    for (int n = 1; n <= kPositionCount; ++n)
        L[n] = makePeg(Pomocna, QStringLiteral("L%1").arg(n), resources::twinRect(n), kTwinFace);
    // The twins are the monitor's copy of the board, never the player's.
    Pomocna->hide();
}

void THlavniDialog::createStatusBar(QWidget* client)
{
    StavovyRadek = new QWidget(client);
    StavovyRadek->setObjectName(QStringLiteral("StavovyRadek"));
    StavovyRadek->setGeometry(0, kClientSize.height() - 22, kClientSize.width(), 22);
    QFont font(kStatusFont);
    font.setPixelSize(kStatusFontPixels);
    StavovyRadek->setFont(font);

    Label1 = new QLabel(QStringLiteral("Zbylé kameny :"), StavovyRadek);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(296, 4, 81, 15);

    Zbytek = new QLabel(QStringLiteral("0"), StavovyRadek);
    Zbytek->setObjectName(QStringLiteral("Zbytek"));
    font.setBold(true);
    Zbytek->setFont(font);
    Zbytek->setGeometry(380, 4, 7, 15);
    Zbytek->hide();
}

void THlavniDialog::setCuePlayer(CuePlayer player)
{
    cuePlayer_ = std::move(player);
}

void THlavniDialog::playCue(std::string_view cue)
{
    if (!cue.empty() && cuePlayer_)
        cuePlayer_(QString::fromLatin1(cue.data(), qsizetype(cue.size())));
}

void THlavniDialog::StartGame(pelikor::PositionSet occupied, const QString& gameCode)
{
    // A start lays the pegs behind the hidden board and shows it when done.
    Plocha->hide();
    board_.lay(occupied);
    pocatecniPocet_ = board_.remaining();
    showBoardState();
    Zbytek->show();
    Kontrola->setText(gameCode);
    Plocha->show();
}

// The controls show the new state before the cue starts: nothing reaches
// the screen before the handler returns, so the player hears and sees the
// move together, and a cue that fails cannot leave the controls behind the
// board.
void THlavniDialog::KClick(int n)
{
    const std::string_view cue = board_.select(n);
    showBoardState();
    playCue(cue);
}

void THlavniDialog::BMouseDown(int t)
{
    const std::string_view cue = board_.jumpInto(t);
    if (cue.empty())
        return;
    showBoardState();
    playCue(cue);
}

void THlavniDialog::Timer1Timer()
{
    const QString pomocnik = settings_.read(Settings::kPomocnik);
    const pelikor::PositionSet twinsBefore = board_.twins();
    const pelikor::Outcome outcome = pelikor::monitorTick(board_, !Plocha->isHidden());
    if (board_.twins() != twinsBefore)
        for (int n = 1; n <= kPositionCount; ++n)
            L[n]->setVisible(board_.hasTwin(n));
    if (outcome != pelikor::Outcome::Nothing)
        emit gameFinished(outcome, pomocnik);
}

void THlavniDialog::showBoardState()
{
    for (int n = 1; n <= kPositionCount; ++n) {
        K[n]->setFaceColor(board_.isSelected(n) ? kPegSelected : kPegNormal);
        K[n]->setVisible(board_.hasPeg(n));
        L[n]->setVisible(board_.hasTwin(n));
    }
    const QString count = QString::number(board_.remaining());
    if (Zbytek->text() != count) {
        Zbytek->setText(count);
        Zbytek->adjustSize();
    }
}
