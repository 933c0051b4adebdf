#include "game/BoardPanel.h"
#include "pictures/LayoutThumbnails.h"
#include "setup/core/Games.h"
#include "tests/setup/NewGameProgram.h"
#include "widgets/HemisphereButton.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QScreen>
#include <QSignalSpy>

using pelikor::kPositionCount;
using pelikor::PositionSet;

namespace {

// The states of the new-game chain.
enum class State { Idle, Choosing, StandardSetup, OptionalChoice, Running };

const QString kFigureShown = QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=0\n");

// Which positions of a family of controls are shown, whatever their panel shows.
PositionSet shownOf(QWidget& panel, const QString& family)
{
    PositionSet shown;
    for (int n = 1; n <= kPositionCount; ++n)
        if (!panel.findChild<QWidget*>(family + QString::number(n))->isHidden())
            shown.insert(n);
    return shown;
}

// The red positions of the miniature board; any face neither red nor grey
// makes it the whole board.
PositionSet markedOf(StandardGameBalloon& dialog)
{
    PositionSet marked;
    for (int n = 1; n <= kPositionCount; ++n) {
        const ColourNumber face = dialog.findChild<HemisphereButton*>(QStringLiteral("miniaturePeg%1").arg(n))->faceColor();
        if (face != StandardGameBalloon::kUnmarked)
            marked = marked | (face == StandardGameBalloon::kMarked ? PositionSet{n} : PositionSet::all());
    }
    return marked;
}

// Clicks the miniature board where position n stands: board column x and
// row y at left 42 + 16 (x - 1), top 65 + 15 (y - 1), 15 pixels square.
void clickMiniature(NewGameProgram& program, int n)
{
    const QPoint centre(42 + 16 * pelikor::columnOf(n) + 7, 65 + 15 * pelikor::rowOf(n) + 7);
    QWidget* peg = program.standard().childAt(centre);
    QCOMPARE(peg->objectName(), QStringLiteral("miniaturePeg%1").arg(n));
    QTest::mouseClick(peg, Qt::LeftButton);
}

// What a player does in a window of the program, step by step joined by
// "+": a key ("Esc", "Enter", "Space", "F2"), the same with the keyboard
// focus on a named control ("cursor:Space"), or a click on a named control
// or command.
void act(NewGameProgram& program, const QString& windowName, const QString& action)
{
    QWidget* window = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (candidate->objectName() == windowName)
            window = candidate;
    const QMap<QString, Qt::Key> keys{
        {"Esc", Qt::Key_Escape}, {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"F2", Qt::Key_F2}};
    for (const QString& step : action.split(QLatin1Char('+'))) {
        if (const QStringList focused = step.split(QLatin1Char(':')); focused.size() == 2) {
            auto* control = window->findChild<QWidget*>(focused[0]);
            QVERIFY2(control && control->focusPolicy() & Qt::TabFocus, qPrintable(step));
            control->setFocus();
            QTest::keyClick(control, keys[focused[1]]);
            continue;
        }
        if (keys.contains(step)) {
            // The main window's keys need it active, the dialogs' handlers do not.
            if (window == &program.main())
                program.activate();
            QTest::keyClick(window, keys[step]);
            continue;
        }
        QObject* control = window->findChild<QObject*>(step);
        QVERIFY2(control, qPrintable(step));
        if (auto* command = qobject_cast<QAction*>(control))
            command->trigger();
        else
            QTest::mouseClick(static_cast<QWidget*>(control), Qt::LeftButton);
    }
}

// Drives a fresh program from idle into `state` the way a player does.
void enter(NewGameProgram& program, State state)
{
    if (state == State::Idle)
        return;
    act(program, "MainWindow", "newGameAction");
    if (state == State::StandardSetup)
        act(program, "GameTypeChooser", "standardLink");
    if (state == State::OptionalChoice || state == State::Running)
        act(program, "GameTypeChooser", "optionalLink");
    if (state == State::Running)
        act(program, "OptionalGameChooser", "gameButton3");
}

// The windows shown and enabled in each state of the chain.
void expectState(NewGameProgram& program, State state)
{
    const bool idle = state == State::Idle || state == State::Running;
    const bool inner = state == State::StandardSetup || state == State::OptionalChoice;
    const bool running = state == State::Running;
    QVERIFY(program.main().isVisible() && program.figure().isVisible());
    QCOMPARE(program.main().isEnabled(), idle);
    QCOMPARE(program.figure().isEnabled(), idle);
    QCOMPARE(program.chooser().isVisible(), !idle);
    // A chooser that is not waiting beneath another dialog is left enabled.
    QCOMPARE(program.chooser().isEnabled(), !inner);
    QCOMPARE(program.standard().isVisible(), state == State::StandardSetup);
    QCOMPARE(program.optional().isVisible(), state == State::OptionalChoice);
    QVERIFY(program.standard().isEnabled() && program.optional().isEnabled());
    QCOMPARE(program.main().gameRunning(), running);
    QCOMPARE(program.child<QAction>("newGameAction")->isEnabled(), !running);
    QCOMPARE(program.main().boardPanel().isVisible(), running);
}

} // namespace

Q_DECLARE_METATYPE(State)

class NewGameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The figure's home corner below is worked out on this screen.
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 800));
    }

    // Button n shows picture n - 1 of the dialog's list, the miniature of
    // game n, pressed and released, and its number stands centred under it.
    void pictureButtonsShowTheirGames()
    {
        NewGameProgram program;
        OptionalGameChooser& dialog = program.optional();
        QCOMPARE(dialog.layoutPictures().size(), 7);
        for (int n = 1; n <= 7; ++n) {
            const QImage& miniature = pictures::layoutThumbnail(n);
            QCOMPARE(dialog.layoutPictures()[n - 1], miniature);
            auto* button = dialog.findChild<PictureButton*>(QStringLiteral("gameButton%1").arg(n));
            QCOMPARE(button->images()[PictureButton::kActiveSlot], miniature);
            QCOMPARE(button->images()[PictureButton::kDownSlot], miniature);
            auto* number = dialog.findChild<QLabel*>(QStringLiteral("numberLabel%1").arg(n));
            QCOMPARE(number->text(), QString::number(n));
            QVERIFY(qAbs(number->geometry().center().x() - button->geometry().center().x()) <= 1);
            QVERIFY(number->y() > button->geometry().bottom());
        }
    }

    // Each of the eight games started through the dialogs, after a game
    // that was given up midway, lays exactly its catalogue layout.
    void everyStartLaysItsGame_data()
    {
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("optionalGame");
        for (int removed = 1; removed <= kPositionCount; ++removed)
            QTest::addRow("standard without %d", removed) << removed << 0;
        for (int game = 1; game <= 7; ++game)
            QTest::addRow("optional %d", game) << 0 << game;
    }

    void everyStartLaysItsGame()
    {
        QFETCH(int, removed);
        QFETCH(int, optionalGame);
        NewGameProgram program(kFigureShown);
        program.start();
        MainWindow& main = program.main();
        const pelikor::GameLayout abandoned = pelikor::optionalLayout(3);
        main.startGame(abandoned.occupied, abandoned.game);
        main.boardPanel().selectPeg(9);
        main.boardPanel().jumpInto(7);
        main.abandonGame();
        QSignalSpy started(&main, &MainWindow::gameStarted);

        enter(program, removed ? State::StandardSetup : State::OptionalChoice);
        if (removed) {
            QCOMPARE(shownOf(main, QStringLiteral("peg")), PositionSet::all());
            clickMiniature(program, removed);
            act(program, "StandardGameBalloon", "okButton");
        } else {
            act(program, "OptionalGameChooser", QStringLiteral("gameButton%1").arg(optionalGame));
        }

        const pelikor::GameLayout game =
            removed ? pelikor::standardLayout(removed) : pelikor::optionalLayout(optionalGame);
        QCOMPARE(shownOf(main.boardPanel(), QStringLiteral("peg")), game.occupied);
        QCOMPARE(main.boardPanel().board().twins(), game.occupied);
        QCOMPARE(main.startCount(), game.pegCount());
        QCOMPARE(main.remainingText(), QString::number(game.pegCount()));
        QVERIFY(main.findChild<QLabel*>(QStringLiteral("remainingLabel"))->isVisible());
        QCOMPARE(main.gameCode(), QString::fromUtf8(game.game.code));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.front().front().toInt(), game.pegCount());
        expectState(program, State::Running);
    }

    // Each key and button from each state of the chain, and where it leads.
    void chainFollowsItsStateTable_data()
    {
        QTest::addColumn<State>("from");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("action");
        QTest::addColumn<State>("to");
        const auto row = [](const char* name, State from, const char* window, const char* action, State to) {
            QTest::newRow(name) << from << QString::fromLatin1(window) << QString::fromLatin1(action) << to;
        };
        using enum State;
        row("idle, menu", Idle, "MainWindow", "newGameAction", Choosing);
        row("idle, pop-up menu", Idle, "MainWindow", "popupNewGameAction", Choosing);
        row("idle, toolbar", Idle, "MainWindow", "newGameButton", Choosing);
        row("idle, F2", Idle, "MainWindow", "F2", Choosing);
        row("running, F2", Running, "MainWindow", "F2", Running);
        row("choosing, Zpět", Choosing, "GameTypeChooser", "backButton", Idle);
        row("choosing, Esc", Choosing, "GameTypeChooser", "Esc", Idle);
        row("choosing, Enter", Choosing, "GameTypeChooser", "Enter", Idle);
        row("choosing, another key", Choosing, "GameTypeChooser", "Space", Choosing);
        row("choosing, standard", Choosing, "GameTypeChooser", "standardLink", StandardSetup);
        row("choosing, optional", Choosing, "GameTypeChooser", "optionalLink", OptionalChoice);
        row("standard, Zpět", StandardSetup, "StandardGameBalloon", "backButton", Choosing);
        row("standard, Esc", StandardSetup, "StandardGameBalloon", "Esc", Choosing);
        row("standard, Ok without a mark", StandardSetup, "StandardGameBalloon", "okButton", StandardSetup);
        row("standard, Enter without a mark", StandardSetup, "StandardGameBalloon", "Enter", StandardSetup);
        row("standard, another key", StandardSetup, "StandardGameBalloon", "Space", StandardSetup);
        row("standard, mark and Ok", StandardSetup, "StandardGameBalloon", "miniaturePeg17+okButton", Running);
        row("standard, Zpět after a mark", StandardSetup, "StandardGameBalloon", "miniaturePeg1+backButton", Choosing);
        row("optional, Zpět", OptionalChoice, "OptionalGameChooser", "backButton", Choosing);
        row("optional, Esc", OptionalChoice, "OptionalGameChooser", "Esc", Choosing);
        row("optional, Enter", OptionalChoice, "OptionalGameChooser", "Enter", Choosing);
        row("optional, picture", OptionalChoice, "OptionalGameChooser", "gameButton4", Running);
        // The controls take the keyboard; Space on one is a click, Enter and
        // Esc keep the dialog's meaning whichever has it.
        row("choosing, Space on a link", Choosing, "GameTypeChooser", "optionalLink:Space", OptionalChoice);
        row("choosing, Enter on a link", Choosing, "GameTypeChooser", "standardLink:Enter", Idle);
        row("choosing, Esc on Zpět", Choosing, "GameTypeChooser", "backButton:Esc", Idle);
        row("standard, Space on Zpět", StandardSetup, "StandardGameBalloon", "backButton:Space", Choosing);
        row("standard, Esc on Ok", StandardSetup, "StandardGameBalloon", "okButton:Esc", Choosing);
        row("standard, Enter on the unmarked miniature", StandardSetup, "StandardGameBalloon", "cursor:Enter", StandardSetup);
        row("standard, mark and Enter by the keys", StandardSetup, "StandardGameBalloon", "cursor:Space+cursor:Enter", Running);
        row("optional, Space on a picture", OptionalChoice, "OptionalGameChooser", "gameButton2:Space", Running);
        row("optional, Enter on a picture", OptionalChoice, "OptionalGameChooser", "gameButton2:Enter", Choosing);
        row("optional, Esc on Zpět", OptionalChoice, "OptionalGameChooser", "backButton:Esc", Choosing);
    }

    void chainFollowsItsStateTable()
    {
        QFETCH(State, from);
        QFETCH(QString, window);
        QFETCH(QString, action);
        NewGameProgram program(kFigureShown);
        program.start();
        enter(program, from);
        expectState(program, from);
        act(program, window, action);
        QFETCH(State, to);
        expectState(program, to);
    }

    // A click marks its position alone, silently; the mark is gone at the
    // next showing; without one, Ok and Enter leave the pegs standing behind
    // the hidden board and the dialog open; with one, Enter starts as Ok does.
    void markingKeepsOneRedButton()
    {
        NewGameProgram program(kFigureShown);
        program.start();
        enter(program, State::StandardSetup);
        const int cuesBefore = program.cues.size();
        QCOMPARE(markedOf(program.standard()), PositionSet());
        for (int n : {5, 12, 12}) {
            clickMiniature(program, n);
            QCOMPARE(markedOf(program.standard()), PositionSet{n});
        }
        QCOMPARE(program.cues.size(), cuesBefore);

        act(program, "StandardGameBalloon", "Esc");
        act(program, "GameTypeChooser", "standardLink");
        QCOMPARE(markedOf(program.standard()), PositionSet());
        act(program, "StandardGameBalloon", "okButton+Enter");
        MainWindow& main = program.main();
        QCOMPARE(shownOf(main.boardPanel(), QStringLiteral("peg")), PositionSet::all());
        QVERIFY(main.boardPanel().isHidden() && program.standard().isVisible());

        clickMiniature(program, 12);
        act(program, "StandardGameBalloon", "Enter");
        QCOMPARE(shownOf(main.boardPanel(), QStringLiteral("peg")), PositionSet::all() - PositionSet{12});
        QCOMPARE(main.gameCode(), QStringLiteral("3"));
    }

    // The new-game command's row of the assistant protocol: a closed figure
    // comes back first, a figure too near the left or top edge goes home,
    // and each balloon of the chain stands above and to its left.
    void newGameOpensBesideTheFigure_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QPoint>("figureAt");
        QTest::addColumn<QPoint>("figureAfter");
        QTest::addColumn<int>("greetings");
        const QPoint home(800 - 104 - 12, 800 - 104 - 30);
        QTest::newRow("closed figure shown first") << QStringLiteral("[Nastaveni]\nPomocnik=0\n") << home << home << 1;
        QTest::newRow("figure in place") << kFigureShown << QPoint(400, 300) << QPoint(400, 300) << 0;
        QTest::newRow("figure too far left") << kFigureShown << QPoint(65, 300) << home << 1;
        QTest::newRow("figure too high") << kFigureShown << QPoint(300, 86) << home << 1;
    }

    void newGameOpensBesideTheFigure()
    {
        QFETCH(QString, settings);
        QFETCH(QPoint, figureAt);
        QFETCH(QPoint, figureAfter);
        NewGameProgram program(settings);
        program.start();
        AssistantFigure& figure = program.figure();
        figure.move(figureAt);
        program.cues.clear();

        act(program, "MainWindow", "newGameAction");
        QVERIFY(figure.isVisible());
        QCOMPARE(figure.pos(), figureAfter);
        QTEST(int(program.cues.count(QStringLiteral("PomocnikStart.wav"))), "greetings");
        const auto expectBeside = [&figure](QWidget& dialog) {
            QCOMPARE(dialog.pos(), QPoint(figure.x() + 104 - dialog.width() - 38, figure.y() - dialog.height() + 30));
        };
        expectBeside(program.chooser());
        act(program, "GameTypeChooser", "standardLink");
        expectBeside(program.standard());
        act(program, "StandardGameBalloon", "backButton");
        act(program, "GameTypeChooser", "optionalLink");
        expectBeside(program.optional());
        // Only the chooser greets with the dialog cue.
        QCOMPARE(program.cues.count(QStringLiteral("Dialog.wav")), 1);
    }
};

QTEST_MAIN(NewGameTest)
#include "new_game_test.moc"
