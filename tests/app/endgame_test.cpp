#include "dialogs/AssistantFigure.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/BestTableModule.h"
#include "scores/BestTableView.h"
#include "scores/ClearTableQuestion.h"
#include "scores/CongratulationBalloon.h"
#include "scores/GiveUpQuestion.h"
#include "scores/ResultBalloon.h"
#include "setup/core/Games.h"
#include "tests/support/BestTableEntries.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TypeText.h"

#include <QAccessible>
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QString kStandard = QStringLiteral("3");

// The whole program with a game laid from `pegs` and played by `moves`
// (peg clicked, then hole) up to its end.
struct EndingProgram : ProgramFixture {
    using ProgramFixture::ProgramFixture;

    ResultBalloon& resultBalloon() { return windows->resultBalloon(); }
    CongratulationBalloon& congratulation() { return windows->congratulationBalloon(); }
    BestTableModule& table() { return windows->bestTableModule(); }
    QLineEdit* name() { return resultBalloon().findChild<QLineEdit*>(QStringLiteral("nameEdit")); }
    QString resultLabel(const char* label) { return resultBalloon().findChild<QLabel*>(QLatin1String(label))->text(); }
    int cuesOf(const char* file) const { return int(cues.count(QLatin1String(file))); }

    void play(pelikor::PositionSet pegs, const pelikor::Game& game, std::initializer_list<std::pair<int, int>> moves)
    {
        main().startGame(pegs, game);
        for (const auto& [peg, hole] : moves) {
            main().boardPanel().selectPeg(peg);
            main().boardPanel().jumpInto(hole);
        }
    }

    // The main window as it is with no game: the board hidden, the count
    // hidden at "0", every peg and twin shown, only the new-game command on.
    void verifyIdle()
    {
        QVERIFY(main().boardPanel().isHidden());
        QVERIFY(child<QLabel>("remainingLabel")->isHidden());
        QCOMPARE(main().remainingText(), QStringLiteral("0"));
        QVERIFY(child<QAction>("newGameAction")->isEnabled() && child<QToolButton>("newGameButton")->isEnabled());
        QVERIFY(!child<QAction>("endGameAction")->isEnabled() && !child<QToolButton>("endGameButton")->isEnabled());
        QVERIFY(main().isEnabled() && figure().isEnabled());
    }
};

// Lays a standard game of two pegs whose one jump ends the game.
constexpr pelikor::PositionSet kPairIntoCentre{15, 16};
constexpr pelikor::PositionSet kPairAtTheTop{4, 5};
constexpr std::pair<int, int> kAtTheTop{4, 6};

} // namespace

class EndgameTest : public QObject {
    Q_OBJECT

private slots:
    // A perfect finish refills the board and congratulates first; any other
    // end goes straight to the result, also a board with pegs side by side
    // but no hole to land in, which the game ends by itself as soon as its
    // last jump is made. The result dialog reads the pegs left, stores the
    // name typed and leaves the main window idle. While it is open, the
    // ticks hand the unrefilled game's result over again; the player's
    // typing and the single cue survive them.
    void handOffLeadsToTheResultAndBackToIdle_data()
    {
        QTest::addColumn<quint64>("laid");
        QTest::addColumn<QPoint>("jump"); // the peg, the hole
        QTest::addColumn<bool>("perfect");
        QTest::addColumn<QString>("remaining");
        QTest::newRow("one peg in the centre") << quint64(kPairIntoCentre.bits()) << QPoint(15, 17) << true << "1";
        QTest::newRow("one peg elsewhere") << quint64(kPairAtTheTop.bits()) << QPoint(kAtTheTop.first, kAtTheTop.second) << false << "1";
        // Pegs packed along the top arm, the right and the bottom arm, each
        // pair's landing hole taken; 14 jumps over 15 into 16 to make it.
        const pelikor::PositionSet packed{1, 2, 3, 6, 11, 13, 14, 15, 18, 21, 25, 30, 31, 33};
        QTest::newRow("pegs side by side, no hole to land in")
            << quint64(packed.bits()) << QPoint(14, 16) << false << "13";
    }

    void handOffLeadsToTheResultAndBackToIdle()
    {
        QFETCH(quint64, laid);
        QFETCH(QPoint, jump);
        QFETCH(bool, perfect);
        QFETCH(QString, remaining);
        EndingProgram program;
        program.start();
        QSignalSpy handOffs(&program.main(), &MainWindow::gameFinished);
        const pelikor::PositionSet pegs = pelikor::PositionSet::fromBits(laid);
        program.main().startGame(pegs, pelikor::standardGame());
        program.main().boardPanel().selectPeg(jump.x());
        QTest::qWait(5);
        QVERIFY2(program.main().gameRunning() && handOffs.isEmpty(), "a jump is left: the game goes on");
        program.main().boardPanel().jumpInto(jump.y());
        QWidget& first = perfect ? static_cast<QWidget&>(program.congratulation()) : program.resultBalloon();
        QTRY_VERIFY(first.isVisible());
        QVERIFY(!program.main().isEnabled() && !program.figure().isEnabled());
        QCOMPARE(program.main().boardPanel().board().pegs() == pelikor::PositionSet::all(), perfect);
        QCOMPARE(QString::fromUtf8(program.resultBalloon().result().game.code), kStandard);
        QCOMPARE(program.resultLabel("remainingLabel"), remaining);
        QCOMPARE(program.resultLabel("startCountLabel"), QString::number(pegs.size()));
        QLabel* remainingLabel = program.resultBalloon().findChild<QLabel*>(QStringLiteral("remainingLabel"));
        QCOMPARE(QAccessible::queryAccessibleInterface(remainingLabel)->text(QAccessible::Name),
                 QStringLiteral("Počet zbylých kamenů: ") + remaining);
        QCOMPARE(program.cuesOf("Dialog.wav"), 1);
        if (perfect) {
            QCOMPARE(QString::fromUtf8(program.congratulation().result().game.code), kStandard);
            QVERIFY(program.resultBalloon().isHidden());
            QTest::keyClick(&program.congratulation(), Qt::Key_Return);
            QVERIFY(program.congratulation().isHidden() && program.resultBalloon().isVisible());
        }
        QVERIFY(program.name()->isEnabled());
        typeText(program.name(), QStringLiteral("Šťastný"));
        const int before = handOffs.count();
        QTest::qWait(30);
        if (!perfect)
            QVERIFY(handOffs.count() > before);
        QCOMPARE(program.cuesOf("Dialog.wav"), perfect ? 2 : 1);
        QVERIFY(program.resultBalloon().isVisible());
        QTest::keyClick(program.name(), Qt::Key_Return);

        QVERIFY(program.resultBalloon().isHidden());
        program.verifyIdle();
        const pelikor::Board& board = program.main().boardPanel().board();
        QVERIFY(board.pegs() == pelikor::PositionSet::all() && board.twins() == pelikor::PositionSet::all());
        QCOMPARE(BestTableEntries::of(program.applicationDir, kStandard),
                 QStringList{QStringLiteral("Šťastný/") + remaining + QLatin1Char('/')
                             + BestTableEntries::dateText(QDate::currentDate())});
        QTest::qWait(20);
        QVERIFY2(program.resultBalloon().isHidden(), "the refilled board ends the repeated hand-off");
    }

    // The figure comes back for the result only when the player closed it
    // ("0"); wherever a balloon would not fit above it, it goes home first.
    void handOffShowsAndPlacesTheFigure_data()
    {
        QTest::addColumn<QString>("assistantSetting");
        QTest::addColumn<bool>("shownBefore");
        QTest::addColumn<QPoint>("figureAt");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<bool>("movedHome");
        const QPoint topLeft(10, 10);
        const QPoint middle(400, 400);
        QTest::newRow("closed by the player") << "0" << false << middle << true << false;
        QTest::newRow("hidden with 1") << "1" << false << middle << false << false;
        QTest::newRow("shown near the top left") << "1" << true << topLeft << true << true;
    }

    void handOffShowsAndPlacesTheFigure()
    {
        QFETCH(QString, assistantSetting);
        QFETCH(bool, shownBefore);
        QFETCH(QPoint, figureAt);
        QFETCH(bool, shownAfter);
        QFETCH(bool, movedHome);
        EndingProgram program(QStringLiteral("[Nastaveni]\nPomocnik=%1\n").arg(assistantSetting));
        AssistantFigure& figure = program.figure();
        figure.move(figureAt);
        figure.setVisible(shownBefore);
        program.play(kPairAtTheTop, pelikor::standardGame(), {kAtTheTop});
        QTRY_VERIFY(program.resultBalloon().isVisible());

        QCOMPARE(figure.isVisible(), shownAfter);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint home(screen.width() - figure.width() - 12, screen.height() - figure.height() - 30);
        QCOMPARE(figure.pos(), movedHome ? home : figureAt);
        const QRect at = figure.frameGeometry();
        QCOMPARE(program.resultBalloon().pos(), QPoint(at.right() + 1 - 252 - 38, at.top() - 176 + 30));
    }

    // A store that fails is reported and leaves the dialog open over the
    // idle main window; the ticks until the next try do not hand the idle
    // count over.
    void aFailedStoreIsTriedAgainWithTheGamesOwnCount()
    {
        EndingProgram program;
        program.play(kPairAtTheTop, pelikor::standardGame(), {kAtTheTop});
        QTRY_VERIFY(program.resultBalloon().isVisible());
        typeText(program.name(), QStringLiteral("Vytrvalý"));
        program.table().table.setWriteHooks({[](const std::filesystem::path&, std::size_t) {
                                                  throw std::runtime_error("Disk full");
                                              },
                                              {}});
        QStringList reported;
        program.table().table.setErrorReport([&reported](const QString& message) { reported << message; });
        program.resultBalloon().acknowledge();
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.first().contains(QStringLiteral("Pelkor.mdx")), qPrintable(reported.first()));
        QTest::qWait(30);
        QVERIFY(program.resultBalloon().isVisible() && !program.main().gameRunning());
        QCOMPARE(program.resultLabel("remainingLabel"), QStringLiteral("1"));

        program.table().table.setWriteHooks({});
        QTest::keyClick(program.name(), Qt::Key_Escape);
        QVERIFY(program.resultBalloon().isHidden());
        program.verifyIdle();
        QCOMPARE(BestTableEntries::of(program.applicationDir, kStandard),
                 QStringList{QStringLiteral("Vytrvalý/1/") + BestTableEntries::dateText(QDate::currentDate())});
    }

    // "Ne" lets the game go on; "Ano" drops it unjudged: no result, the best
    // table untouched, the board hidden and the game code "0".
    void givingUpLeavesTheTableAsItWas()
    {
        EndingProgram program;
        program.start();
        BestTableEntries::add(program.applicationDir, QStringLiteral("9"), QStringLiteral("Stará"), 2, QDate(2024, 5, 1));
        const auto tableFile = [&] {
            QFile file(program.applicationDir + QStringLiteral("Data/Pelkor.dbf"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = tableFile();
        QVERIFY(!before.isEmpty());

        GiveUpQuestion& question = program.windows->giveUpQuestion();
        program.child<QAction>("endGameAction")->trigger();
        QVERIFY2(question.isHidden(), "no game, no command");
        const pelikor::GameLayout optional = pelikor::optionalLayout(2);
        program.play(optional.occupied, optional.game, {{10, 12}});
        program.child<QAction>("endGameAction")->trigger();
        QVERIFY(question.isVisible() && !program.main().isEnabled());
        QCOMPARE(program.cuesOf("Dotaz.wav"), 1);
        QTest::keyClick(&question, Qt::Key_Escape);
        QVERIFY(program.main().gameRunning() && program.main().boardPanel().isVisible());
        QCOMPARE(program.main().gameCode(), QStringLiteral("9"));

        program.child<QToolButton>("endGameButton")->click();
        QTest::keyClick(&question, Qt::Key_Return);
        program.verifyIdle();
        QCOMPARE(program.main().gameCode(), QStringLiteral("0"));
        QTest::qWait(30);
        QVERIFY(program.resultBalloon().isHidden());
        QCOMPARE(tableFile(), before);
    }

    // Both table commands work while a game runs. The view leaves the
    // selection on its last tab, yet the result judges against its own
    // game; after clearing, every game is empty and storing goes on.
    void tableCommandsDuringAGame()
    {
        EndingProgram program;
        program.start();
        for (int i = 0; i < 10; ++i)
            BestTableEntries::add(program.applicationDir, kStandard, QStringLiteral("Mistr %1").arg(i), 1, QDate::currentDate());
        BestTableEntries::add(program.applicationDir, QStringLiteral("10"), QStringLiteral("Jiný"), 3, QDate::currentDate());
        const pelikor::PositionSet twoApartAtTheEnd{4, 5, 28};
        program.play(twoApartAtTheEnd, pelikor::standardGame(), {});
        program.child<QToolButton>("bestTableButton")->click();
        BestTableView& view = program.windows->bestTableView();
        QVERIFY(view.isVisible() && !program.main().isEnabled());
        view.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(6);
        view.acknowledge();
        program.play(twoApartAtTheEnd, pelikor::standardGame(), {kAtTheTop});
        QTRY_VERIFY(program.resultBalloon().isVisible());
        QVERIFY2(!program.name()->isEnabled(), "two pegs left do not beat ten single ones");
        program.resultBalloon().acknowledge();

        program.play(twoApartAtTheEnd, pelikor::standardGame(), {});
        program.child<QAction>("clearBestTableAction")->trigger();
        QTest::keyClick(&program.windows->clearTableQuestion(), Qt::Key_Return);
        QVERIFY(program.main().isEnabled() && program.main().gameRunning());
        for (const pelikor::Game& game : pelikor::kGames)
            QVERIFY(BestTableEntries::of(program.applicationDir, QString::fromStdString(std::string(game.code))).isEmpty());
        program.main().boardPanel().selectPeg(kAtTheTop.first);
        program.main().boardPanel().jumpInto(kAtTheTop.second);
        QTRY_VERIFY(program.resultBalloon().isVisible());
        typeText(program.name(), QStringLiteral("Znovu"));
        program.resultBalloon().acknowledge();
        QCOMPARE(BestTableEntries::of(program.applicationDir, kStandard).size(), 1);
    }
};

QTEST_MAIN(EndgameTest)
#include "endgame_test.moc"
