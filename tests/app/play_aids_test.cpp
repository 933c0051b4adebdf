#include "frame/MainWindow.h"
#include "frame/PlayTexts.h"
#include "frame/StatusBar.h"
#include "game/BoardPanel.h"
#include "game/HintMark.h"
#include "pictures/BoardGeometry.h"
#include "scores/CongratulationBalloon.h"
#include "scores/ResultBalloon.h"
#include "setup/core/Games.h"
#include "tests/support/BestTableEntries.h"
#include "tests/support/PerfectGame.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TypeText.h"
#include "widgets/HemisphereButton.h"

#include <QAction>
#include <QEventLoop>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

using pelikor::PositionSet;

// The whole program with a game on its board, played by the player's aids.
struct AidedProgram : ProgramFixture {
    BoardPanel& board() { return main().boardPanel(); }
    PositionSet pegs() { return board().board().pegs(); }
    HintMark& mark() { return *child<HintMark>("hintMark"); }
    QAction& command(const char* name) { return *child<QAction>(name); }
    ResultBalloon& result() { return windows->resultBalloon(); }
    QStringList entries(const pelikor::Game& game) { return BestTableEntries::of(applicationDir, QLatin1String(game.code)); }

    void lay(const pelikor::GameLayout& layout)
    {
        start();
        main().startGame(layout.occupied, layout.game);
    }

    // Peg `source` pressed, carried to `to` on the board and let go there.
    void drag(int source, QPoint to)
    {
        HemisphereButton* peg = child<HemisphereButton>(qPrintable(QStringLiteral("peg%1").arg(source)));
        QTest::mousePress(peg, Qt::LeftButton, {}, peg->rect().center());
        // The peg holds the pointer from its press to its release, and
        // follows it meanwhile.
        QTest::mouseMove(peg, peg->mapFrom(&board(), to));
        QTest::mouseRelease(peg, Qt::LeftButton, {}, peg->mapFrom(&board(), to));
    }

    // The hint for the board as it stands, once found.
    std::pair<int, int> hint()
    {
        QTest::keyClick(&main(), Qt::Key_F4);
        [&] { QTRY_VERIFY(mark().isVisible()); }();
        return {mark().source(), mark().target()};
    }

    // The result balloon of an assisted game: no name field, a note in its
    // place, the size of every result; Enter closes it and stores nothing.
    void closeAssistedResult(const pelikor::Game& game)
    {
        QTRY_VERIFY(result().isVisible());
        QVERIFY(result().findChild<QLabel*>(QStringLiteral("assistedNote"))->isVisible());
        QVERIFY(result().findChild<QLineEdit*>(QStringLiteral("nameEdit"))->isHidden());
        QCOMPARE(result().size(), QSize(252, 176));
        QTest::keyClick(&result(), Qt::Key_Return);
        QVERIFY(result().isHidden());
        QVERIFY(entries(game).isEmpty());
    }
};

} // namespace

class PlayAidsTest : public QObject {
    Q_OBJECT

private slots:
    // A standard game dragged peg by peg to the jump before its last, taken
    // back to its start by Ctrl+Z and made again by both redo keys, the
    // board compared after every step; the last drag ends it, assisted.
    void dragUndoAndRedoWalkTheWholeGame()
    {
        AidedProgram program;
        program.lay(pelikor::standardLayout());
        std::vector<PositionSet> boards{program.pegs()};
        for (std::size_t i = 0; i + 1 < kPerfectStandardGame.size(); ++i) {
            const auto& [peg, hole] = kPerfectStandardGame[i];
            program.drag(peg, pictures::holeRect(hole).center());
            QVERIFY2(!program.board().board().hasPeg(peg) && program.board().board().hasPeg(hole), qPrintable(QString::number(i)));
            boards.push_back(program.pegs());
        }
        QCOMPARE(program.main().remainingText(), QStringLiteral("2"));
        QVERIFY(!program.command("redoAction").isEnabled());
        const qsizetype jumpCues = program.cues.count(QStringLiteral("Prenos.wav"));
        for (std::size_t step = boards.size() - 1; step > 0; --step) {
            QTest::keyClick(&program.main(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(program.pegs() == boards[step - 1]);
            QCOMPARE(program.main().remainingText(), QString::number(boards[step - 1].size()));
        }
        QVERIFY(!program.command("undoAction").isEnabled() && program.command("redoAction").isEnabled());
        QCOMPARE(program.cues.count(QStringLiteral("Prenos.wav")), jumpCues + qsizetype(boards.size() - 1));
        for (std::size_t step = 1; step < boards.size(); ++step) {
            if (step % 2)
                QTest::keyClick(&program.main(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            else
                QTest::keyClick(&program.main(), Qt::Key_Y, Qt::ControlModifier);
            QVERIFY(program.pegs() == boards[step]);
        }
        QVERIFY(program.pegs() == boards.back() && !program.command("redoAction").isEnabled());
        const auto& [peg, hole] = kPerfectStandardGame.back();
        program.drag(peg, pictures::holeRect(hole).center());
        QTRY_VERIFY(program.windows->congratulationBalloon().isVisible());
        QTest::keyClick(&program.windows->congratulationBalloon(), Qt::Key_Return);
        program.closeAssistedResult(pelikor::standardGame());
    }

    // Only the hint plays: each hinted jump made by the player's clicks until
    // the game ends with exactly the finish the first hint announced, the
    // status bar saying so all the way; the result is assisted.
    void hintsAloneReachTheAnnouncedBestFinish_data()
    {
        QTest::addColumn<int>("optionalGame");
        QTest::addColumn<int>("announced");
        QTest::newRow("standard game") << 0 << 1;
        QTest::newRow("optional game 2") << 2 << 2;
    }

    void hintsAloneReachTheAnnouncedBestFinish()
    {
        QFETCH(int, optionalGame);
        QFETCH(int, announced);
        AidedProgram program;
        const pelikor::GameLayout layout = optionalGame ? pelikor::optionalLayout(optionalGame) : pelikor::standardLayout();
        program.lay(layout);
        auto* status = program.child<StatusBar>("statusBar");
        while (program.main().gameRunning() && program.main().isEnabled()) {
            const auto [source, target] = program.hint();
            QCOMPARE(status->panelText().trimmed(), PlayTexts::hint(announced, announced));
            program.board().selectPeg(source);
            QVERIFY(program.mark().isHidden());
            program.board().jumpInto(target);
            QVERIFY(program.board().board().hasPeg(target));
            QTest::qWait(1);
        }
        QCOMPARE(program.result().findChild<QLabel*>(QStringLiteral("remainingLabel"))->text(), QString::number(announced));
        if (announced == 1)
            QTest::keyClick(&program.windows->congratulationBalloon(), Qt::Key_Escape);
        program.closeAssistedResult(layout.game);
    }

    // A hint asked for and a jump made before its answer came: the answer
    // is dropped, nothing is marked. An undo and a hint make the game
    // assisted; Ctrl+R lays the same layout afresh, whose result is stored.
    void startAgainIsAFreshGame()
    {
        AidedProgram program;
        QTest::keyClick(&program.main(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY2(!program.command("startAgainAction").isEnabled(), "no game, nothing to start again");
        const pelikor::GameLayout layout = pelikor::optionalLayout(1);
        program.lay(layout);
        program.command("hintAction").trigger();
        program.board().selectPeg(10);
        program.board().jumpInto(12);
        QTest::qWait(200);
        QVERIFY(program.mark().isHidden());
        program.command("undoAction").trigger();
        QVERIFY(program.pegs() == layout.occupied);
        program.hint();

        QTest::keyClick(&program.main(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(program.pegs() == layout.occupied && program.mark().isHidden());
        QCOMPARE(program.main().gameCode(), QStringLiteral("10"));
        QVERIFY(!program.command("undoAction").isEnabled() && !program.command("redoAction").isEnabled());
        for (const auto& [peg, hole] : {std::pair{10, 12}, {24, 10}, {9, 11}, {12, 10}, {5, 17}}) {
            program.board().selectPeg(peg);
            program.board().jumpInto(hole);
        }
        QTRY_VERIFY(program.windows->congratulationBalloon().isVisible());
        QTest::keyClick(&program.windows->congratulationBalloon(), Qt::Key_Return);
        auto* name = program.result().findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        QVERIFY(name->isVisible() && name->isEnabled());
        typeText(name, QStringLiteral("Znovu"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(program.entries(layout.game),
                 QStringList{QStringLiteral("Znovu/1/") + BestTableEntries::dateText(QDate::currentDate())});
    }

    // The way from the standard start plays a jump every 700 ms, the first
    // after its search; a click on the board stops it where it stands.
    void theWayPlaysUntilAClick()
    {
        AidedProgram program;
        program.lay(pelikor::standardLayout());
        QEventLoop playing;
        QObject::connect(&program.board(), &BoardPanel::remainingChanged, &playing, [&](int remaining) {
            if (remaining == 30)
                playing.quit();
        });
        QTimer::singleShot(3000, &playing, &QEventLoop::quit);
        program.command("wayAction").trigger();
        playing.exec();
        QCOMPARE(program.main().remainingText(), QStringLiteral("30"));
        QTest::mouseClick(program.child<QWidget>("boardPicture"), Qt::LeftButton);
        QTest::qWait(800);
        QCOMPARE(program.main().remainingText(), QStringLiteral("30"));
        QVERIFY(program.main().gameResult().assisted);
    }

    // A drop anywhere but on the target of a legal jump puts the peg back:
    // no jump, no cue, the selection as it was.
    void aWrongDropChangesNothing_data()
    {
        QTest::addColumn<int>("peg");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("into the hole beside it") << 10 << pictures::holeRect(17).center();
        QTest::newRow("onto a peg") << 5 << pictures::holeRect(2).center();
        QTest::newRow("back onto itself") << 5 << pictures::holeRect(5).center() + QPoint(12, 0);
        QTest::newRow("beside the board") << 10 << QPoint(3, 3);
        QTest::newRow("two holes away") << 3 << pictures::holeRect(17).center();
    }

    void aWrongDropChangesNothing()
    {
        QFETCH(int, peg);
        QFETCH(QPoint, to);
        AidedProgram program;
        program.lay(pelikor::standardLayout());
        program.board().selectPeg(29);
        const QStringList cues = program.cues;
        program.drag(peg, to);
        QVERIFY(program.pegs() == pelikor::standardLayout().occupied);
        QCOMPARE(program.board().board().selected(), 29);
        QCOMPARE(program.cues, cues);
        auto* dropped = program.child<QWidget>(qPrintable(QStringLiteral("peg%1").arg(peg)));
        QCOMPARE(dropped->geometry(), pictures::pegRect(peg));
        const QObjectList& stack = program.board().children();
        QVERIFY(stack.indexOf(dropped) < stack.indexOf(program.child<QWidget>("hintMark")));
    }
};

QTEST_MAIN(PlayAidsTest)
#include "play_aids_test.moc"
