#include "frame/MainWindow.h"
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
};

QTEST_MAIN(PlayAidsTest)
#include "play_aids_test.moc"
