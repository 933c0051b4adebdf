#include "dialogs/AssistantFigure.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "game/core/Jumps.h"
#include "scores/CongratulationBalloon.h"
#include "scores/ResultBalloon.h"
#include "setup/core/Games.h"
#include "tests/support/ProgramFixture.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <vector>

using pelikor::Outcome;
using pelikor::PositionSet;

namespace {

// What a player sees of the monitor and its hand-off after an event.
struct Seen {
    PositionSet pegs;
    PositionSet twins;
    bool boardShown;
    bool resultShown;
    bool congratulationShown;
    bool figureShown;
    QPoint figureAt;
    QString handedCount;
    bool mainEnabled;
    bool operator==(const Seen&) const = default;
};

// One hand-off: the event after which it came, the outcome and the setting.
struct HandOff {
    int event;
    Outcome outcome;
    QString assistantSetting;
    bool operator==(const HandOff&) const = default;
};

struct Copy : ProgramFixture {
    std::vector<HandOff> handOffs;
    int event = 0;

    Copy()
    {
        QObject::connect(&main(), &MainWindow::gameFinished, [this](Outcome outcome, const QString& assistantSetting) {
            // A hand-off that repeats the last one unchanged shows nothing new.
            if (handOffs.empty() || handOffs.back().outcome != outcome || handOffs.back().assistantSetting != assistantSetting)
                handOffs.push_back({event, outcome, assistantSetting});
        });
    }

    Seen seen()
    {
        const pelikor::Board& board = main().boardPanel().board();
        return {board.pegs(),
                board.twins(),
                !main().boardPanel().isHidden(),
                windows->resultBalloon().isVisible(),
                windows->congratulationBalloon().isVisible(),
                figure().isVisible(),
                figure().pos(),
                windows->resultBalloon().findChild<QLabel*>(QStringLiteral("remainingLabel"))->text(),
                main().isEnabled()};
    }
};

// The monitor as it was: a tick every millisecond, whatever changed.
void tickEveryMillisecond(Copy& copy)
{
    const QString assistantSetting = copy.setting(Settings::kAssistantKey);
    const Outcome outcome = copy.main().boardPanel().monitorTick();
    if (outcome != Outcome::Nothing)
        emit copy.main().gameFinished(outcome, assistantSetting);
}

} // namespace

// Over random games the monitor that looks when an input may have changed
// hands the same results over, after the same events, as the tick every
// millisecond, and leaves the same board, dialogs and figure behind.
class MonitorPropertyTest : public QObject {
    Q_OBJECT

    // Random events of a game, with as many old ticks between two of them.
    static constexpr int kEvents = 400;
    static constexpr int kTicksBetweenEvents = 3;

private slots:
    void looksWhenInputsChangeAsIfItTickedEveryMillisecond_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void looksWhenInputsChangeAsIfItTickedEveryMillisecond()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        Copy watching;
        Copy ticking;
        // The old monitor's copy is ticked by hand and never looks by itself.
        ticking.main().findChild<QTimer*>(QStringLiteral("monitorTimer"))->blockSignals(true);
        for (Copy* copy : {&watching, &ticking})
            copy->start();

        for (int event = 1; event <= kEvents; ++event) {
            const int kind = random.bounded(8);
            const PositionSet pegs = watching.main().boardPanel().board().pegs();
            std::vector<pelikor::Jump> open;
            for (const pelikor::Jump& jump : pelikor::kJumps)
                if (pegs.contains(jump.source) && pegs.contains(jump.over) && !pegs.contains(jump.target))
                    open.push_back(jump);
            PositionSet laid;
            for (int n = 1; n <= pelikor::kPositionCount; ++n)
                if (random.bounded(5) == 0)
                    laid.insert(n);
            const int peg = 1 + random.bounded(pelikor::kPositionCount);
            const pelikor::Jump jump = open.empty() ? pelikor::Jump{} : open[random.bounded(int(open.size()))];
            const QString assistantSetting = QStringList{QStringLiteral("0"), QStringLiteral("1"), QString()}[random.bounded(3)];
            const QPoint figureAt = random.bounded(2) ? QPoint(10, 10) : QPoint(600, 500);
            const bool playing = watching.main().isEnabled() && watching.main().gameRunning();

            for (Copy* copy : {&watching, &ticking}) {
                copy->event = event;
                MainWindow& main = copy->main();
                if (kind == 0 && main.isEnabled() && !main.gameRunning())
                    main.startGame(laid, random.bounded(2) ? pelikor::standardGame() : pelikor::optionalGame(3));
                else if (kind == 1 && playing && !main.boardPanel().isHidden())
                    main.boardPanel().selectPeg(peg);
                else if (kind == 2 && playing && !main.boardPanel().isHidden() && !open.empty()) {
                    main.boardPanel().selectPeg(jump.source);
                    main.boardPanel().jumpInto(jump.target);
                } else if (kind == 3)
                    copy->windows->services().settings.write(Settings::kAssistantKey, assistantSetting);
                else if (kind == 4 && copy->windows->congratulationBalloon().isVisible())
                    copy->windows->congratulationBalloon().acknowledge();
                else if (kind == 4 && copy->windows->resultBalloon().isVisible())
                    copy->windows->resultBalloon().acknowledge();
                else if (kind == 5 && main.isEnabled())
                    main.toggleBossScreen();
                else if (kind == 6)
                    copy->figure().move(figureAt);
                else if (kind == 7 && playing)
                    main.abandonGame();
            }
            for (int tick = 0; tick < kTicksBetweenEvents; ++tick) {
                QCoreApplication::processEvents();
                tickEveryMillisecond(ticking);
            }
            QCoreApplication::processEvents();
            QCOMPARE(watching.seen(), ticking.seen());
            QCOMPARE(watching.handOffs, ticking.handOffs);
        }
        QVERIFY2(ticking.handOffs.size() > 10, "the random games reach their ends");
    }
};

QTEST_MAIN(MonitorPropertyTest)
#include "monitor_property_test.moc"
