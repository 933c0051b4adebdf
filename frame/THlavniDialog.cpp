#include "THlavniDialog.h"

#include "Background.h"
#include "BoardGeometry.h"
#include "BoardPanel.h"
#include "BoardPicture.h"
#include "Pegs.h"
#include "Settings.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

using pelikor::kPositionCount;

namespace {

constexpr QSize kClientSize(402, 446);
const QString kTitle = QStringLiteral("Pelikor 2000");
constexpr int kMonitorIntervalMs = 1;
const QString kStatusFont = QStringLiteral("Times New Roman");
constexpr int kStatusFontPixels = 13;

} // namespace

THlavniDialog::THlavniDialog(Settings& settings, SoundCues& cues, QWidget* parent)
    : QMainWindow(parent), settings_(settings)
{
    setObjectName(QStringLiteral("THlavniDialog"));
    setWindowTitle(kTitle);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setBackground(client, kClGray);
    setCentralWidget(client);

    // Created in stacking order: the idle screen lies under the board panel,
    // which covers it whenever a game is shown.
    createIdleScreen(client);
    Plocha_ = new BoardPanel(cues, client);
    connect(Plocha_, &BoardPanel::remainingChanged, this, &THlavniDialog::showRemaining);
    createStatusBar(client);

    // The monitor runs from the window's creation to the program's end.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(kMonitorIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &THlavniDialog::Timer1Timer);
    Timer1->start();
}

void THlavniDialog::createIdleScreen(QWidget* client)
{
    Image2 = new QLabel(client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(48, 106, 305, 300);
    Image2->setScaledContents(true);
    Image2->setPixmap(QPixmap::fromImage(resources::boardPicture()));

    for (int n = 1; n <= kPositionCount; ++n)
        P[n] = makePeg(client, QStringLiteral("P%1").arg(n), resources::decorationRect(n), kPegNormal);
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

void THlavniDialog::StartGame(pelikor::PositionSet occupied, const QString& gameCode)
{
    // A start lays the pegs behind the hidden board and shows it when done.
    Plocha_->hide();
    Plocha_->layPegs(occupied);
    pocatecniPocet_ = Plocha_->board().remaining();
    Zbytek->show();
    Plocha_->setGameCode(gameCode);
    Plocha_->show();
}

void THlavniDialog::Timer1Timer()
{
    const QString pomocnik = settings_.read(Settings::kPomocnik);
    const pelikor::Outcome outcome = Plocha_->monitorTick();
    if (outcome != pelikor::Outcome::Nothing)
        emit gameFinished(outcome, pomocnik);
}

void THlavniDialog::showRemaining(int remaining)
{
    const QString count = QString::number(remaining);
    if (Zbytek->text() != count) {
        Zbytek->setText(count);
        Zbytek->adjustSize();
    }
}
