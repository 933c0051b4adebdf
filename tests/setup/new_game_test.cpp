#include "BoardPanel.h"
#include "Games.h"
#include "LayoutThumbnails.h"
#include "NewGameProgram.h"
#include "THemisphereButton.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using pelikor::kPositionCount;
using pelikor::PositionSet;

namespace {

// The states of the new-game chain and what a player does in them.
enum class State { Idle, Choosing, StandardSetup, OptionalChoice, Running };
enum class Input {
    MenuNewGame, PopupNewGame, ToolbarNewGame, F2,
    ChooserBack, ChooserEsc, ChooserEnter, ChooserOtherKey, ChooseStandard, ChooseOptional,
    StandardBack, StandardEsc, StandardOk, StandardEnter, StandardOtherKey, MarkAndOk, MarkAndEnter,
    OptionalBack, OptionalEsc, OptionalEnter, OptionalPicture,
};

const QByteArray kFigureShown = "[Nastaveni]\nPomocnik=1\nUvitani=0\n";

QString captionOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* link = qobject_cast<TOfficeLabel*>(control))
        return link->caption();
    if (auto* button = qobject_cast<TOfficeButton*>(control))
        return button->caption();
    return {};
}

// Which positions of a family of the main window are shown, whatever its
// panel shows.
PositionSet shownOf(QWidget& window, QChar family)
{
    PositionSet shown;
    for (int n = 1; n <= kPositionCount; ++n)
        if (!window.findChild<QWidget*>(family + QString::number(n))->isHidden())
            shown.insert(n);
    return shown;
}

PositionSet markedOf(TStandardDialog& dialog)
{
    PositionSet marked;
    for (int n = 1; n <= kPositionCount; ++n) {
        const TColor face = dialog.findChild<THemisphereButton*>(QStringLiteral("L%1").arg(n))->faceColor();
        if (face == TStandardDialog::kMarked)
            marked.insert(n);
        else if (face != TStandardDialog::kUnmarked)
            return PositionSet::all();
    }
    return marked;
}

void clickLink(QWidget& dialog, const char* name)
{
    QTest::mouseClick(dialog.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
}

void clickMiniature(NewGameProgram& program, int n)
{
    clickLink(program.standard(), qPrintable(QStringLiteral("L%1").arg(n)));
}

// Drives a fresh program from idle into `state` the way a player does.
void enter(NewGameProgram& program, State state)
{
    if (state == State::Idle)
        return;
    if (state == State::Running) {
        const pelikor::GameLayout game = pelikor::optionalLayout(3);
        program.main().StartGame(game.occupied, QString::fromStdString(game.code));
        return;
    }
    program.main().MS1Click();
    if (state == State::StandardSetup)
        clickLink(program.chooser(), "OfficeLabel1");
    if (state == State::OptionalChoice)
        clickLink(program.chooser(), "OfficeLabel2");
}

void apply(NewGameProgram& program, Input input)
{
    TVyberDialog& chooser = program.chooser();
    TStandardDialog& standard = program.standard();
    THraDialog& optional = program.optional();
    switch (input) {
    case Input::MenuNewGame: return program.command("MS1")->trigger();
    case Input::PopupNewGame: return program.command("MP1")->trigger();
    case Input::ToolbarNewGame: return program.child<QToolButton>(program.main(), "TB1")->click();
    case Input::F2: return QTest::keyClick(&program.main(), Qt::Key_F2);
    case Input::ChooserBack: return clickLink(chooser, "OfficeButton1");
    case Input::ChooserEsc: return QTest::keyClick(&chooser, Qt::Key_Escape);
    case Input::ChooserEnter: return QTest::keyClick(&chooser, Qt::Key_Return);
    case Input::ChooserOtherKey: return QTest::keyClick(&chooser, Qt::Key_Space);
    case Input::ChooseStandard: return clickLink(chooser, "OfficeLabel1");
    case Input::ChooseOptional: return clickLink(chooser, "OfficeLabel2");
    case Input::StandardBack: return clickLink(standard, "OfficeButton1");
    case Input::StandardEsc: return QTest::keyClick(&standard, Qt::Key_Escape);
    case Input::StandardOk: return clickLink(standard, "OfficeButton2");
    case Input::StandardEnter: return QTest::keyClick(&standard, Qt::Key_Enter);
    case Input::StandardOtherKey: return QTest::keyClick(&standard, Qt::Key_A);
    case Input::MarkAndOk: clickMiniature(program, 17); return clickLink(standard, "OfficeButton2");
    case Input::MarkAndEnter: clickMiniature(program, 1); return QTest::keyClick(&standard, Qt::Key_Return);
    case Input::OptionalBack: return clickLink(optional, "OfficeButton1");
    case Input::OptionalEsc: return QTest::keyClick(&optional, Qt::Key_Escape);
    case Input::OptionalEnter: return QTest::keyClick(&optional, Qt::Key_Return);
    case Input::OptionalPicture: return clickLink(optional, "T4");
    }
}

// The windows shown and enabled in each state of the chain.
void expectState(NewGameProgram& program, State state)
{
    const bool idle = state == State::Idle || state == State::Running;
    const bool inner = state == State::StandardSetup || state == State::OptionalChoice;
    QVERIFY(program.main().isVisible() && program.figure().isVisible());
    QCOMPARE(program.main().isEnabled(), idle);
    QCOMPARE(program.figure().isEnabled(), idle);
    QCOMPARE(program.chooser().isVisible(), !idle);
    // A chooser that is not waiting beneath another dialog is left enabled.
    QCOMPARE(program.chooser().isEnabled(), !inner);
    QCOMPARE(program.standard().isVisible(), state == State::StandardSetup);
    QCOMPARE(program.optional().isVisible(), state == State::OptionalChoice);
    if (inner)
        QVERIFY(program.standard().isEnabled() && program.optional().isEnabled());
    const bool running = state == State::Running;
    QCOMPARE(program.main().gameRunning(), running);
    QCOMPARE(program.command("MS1")->isEnabled(), !running);
    QCOMPARE(program.main().Plocha().isVisible(), running);
}

} // namespace

Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Input)

class NewGameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The figure's home corner below is worked out on this screen.
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 800));
    }

    // Every control of the three dialogs: place, caption, hint and weight.
    void dialogsHoldTheirControls_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("bold");
        const auto row = [](const char* dialog, const char* name, QRect place, const char* caption, const char* hint,
                            bool bold) {
            QTest::addRow("%s %s", dialog, name) << QString::fromLatin1(dialog) << QString::fromLatin1(name) << place
                                                 << QString::fromUtf8(caption) << QString::fromUtf8(hint) << bold;
        };
        const char* const back = "Uzavře dialogové okno";
        row("TVyberDialog", "Label1", {20, 5, 111, 20}, "Vyberte si typ hry", "", true);
        row("TVyberDialog", "OfficeLabel1", {11, 32, 129, 17}, "Standardní hra", "Spustí standardní hru", false);
        row("TVyberDialog", "OfficeLabel2", {11, 48, 130, 17}, "Volitelná hra", "Otevře dialog pro výběr volitelné hry", false);
        row("TVyberDialog", "Bevel1", {7, 68, 138, 2}, "", "", false);
        row("TVyberDialog", "OfficeButton1", {44, 74, 64, 20}, "Zpět", back, false);
        row("TStandardDialog", "Label1", {3, 5, 189, 20}, "Standardní hra", "", true);
        row("TStandardDialog", "Label2", {3, 25, 189, 28}, "Vyberte kámen, který má být odstraněn", "", false);
        row("TStandardDialog", "Bevel1", {5, 176, 186, 2}, "", "", false);
        row("TStandardDialog", "OfficeButton2", {29, 182, 64, 20}, "Ok", "Spustí standardní hru", false);
        row("TStandardDialog", "OfficeButton1", {101, 182, 64, 20}, "Zpět", back, false);
        row("THraDialog", "Label1", {2, 5, 189, 33}, "Volitelná hra", "", true);
        const int lefts[] = {7, 55, 103, 151, 32, 80, 128};
        const int numberLefts[] = {19, 68, 116, 164, 44, 93, 141};
        for (int n = 1; n <= 7; ++n) {
            const int top = n <= 4 ? 40 : 104;
            const QByteArray button = "T" + QByteArray::number(n);
            const QByteArray number = "Label" + QByteArray::number(n + 1);
            const QByteArray hint = QStringLiteral("Spustí volitelnou hru č. %1").arg(n).toUtf8();
            row("THraDialog", button.constData(), {lefts[n - 1], top, 40, 40}, "", hint.constData(), false);
            row("THraDialog", number.constData(), {numberLefts[n - 1], top + 43, 14, 15},
                QByteArray::number(n).constData(), "", true);
        }
        row("THraDialog", "Bevel1", {7, 168, 186, 2}, "", "", false);
        row("THraDialog", "OfficeButton1", {65, 174, 64, 20}, "Zpět", back, false);
    }

    void dialogsHoldTheirControls()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, name);
        NewGameProgram program;
        QWidget* window = dialog == QLatin1String("TVyberDialog")      ? static_cast<QWidget*>(&program.chooser())
                          : dialog == QLatin1String("TStandardDialog") ? static_cast<QWidget*>(&program.standard())
                                                                         : &program.optional();
        QCOMPARE(window->objectName(), dialog);
        auto* control = window->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), window);
        QTEST(control->geometry(), "place");
        QTEST(captionOf(control), "caption");
        QTEST(control->statusTip(), "hint");
        QTEST(control->font().bold(), "bold");
        QCOMPARE(control->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(control->font().pixelSize(), 13);
        if (auto* label = qobject_cast<QLabel*>(control))
            QVERIFY(label->alignment() & Qt::AlignHCenter);
    }

    // The three windows: size, hint, colour, balloon, on top; no control
    // takes the keyboard, so every key reaches the window's handler.
    void dialogsAreBalloonsThatKeepTheKeys()
    {
        NewGameProgram program;
        const std::tuple<BalloonDialog*, QSize, QString> windows[] = {
            {&program.chooser(), {160, 115}, QStringLiteral("Dialog pro výběr hry")},
            {&program.standard(), {203, 224}, QStringLiteral("Dialog pro výběr standardní hry")},
            {&program.optional(), {203, 214}, QStringLiteral("Dialog pro výběr volitelné hry")},
        };
        for (const auto& [window, size, hint] : windows) {
            QCOMPARE(window->size(), size);
            QCOMPARE(window->statusTip(), hint);
            QCOMPARE(window->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xE0));
            QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(window->FormShape().balloonPosition(), TBalloonPosition::bpBottomRight);
            QCOMPARE(window->FormShape().balloonEllips(), 20);
            QCOMPARE(window->FormShape().balloonIndent(), 15);
            for (QWidget* control : window->findChildren<QWidget*>())
                QVERIFY2(control->focusPolicy() == Qt::NoFocus, qPrintable(control->objectName()));
        }
        QVERIFY(program.standard().findChild<QLabel*>(QStringLiteral("Label2"))->wordWrap());
        QVERIFY(program.optional().findChild<QLabel*>(QStringLiteral("Label1"))->wordWrap());
    }

    // The miniature board: a cross of 33 grey 15 x 15 pegs, 16 pixels apart
    // across and 15 down, from (42, 65) for the board's top-left corner.
    void miniatureBoardStandsAsTheCross()
    {
        NewGameProgram program;
        QRect spanned;
        for (int n = 1; n <= kPositionCount; ++n) {
            auto* peg = program.standard().findChild<THemisphereButton*>(QStringLiteral("L%1").arg(n));
            QCOMPARE(peg->geometry(),
                     QRect(42 + 16 * pelikor::columnOf(n), 65 + 15 * pelikor::rowOf(n), 15, 15));
            QCOMPARE(peg->faceColor(), TColor(8421504));
            QCOMPARE(peg->bevelOuter(), THemisphereBevel::hbLowered);
            QCOMPARE(peg->bevelWidth(), 2);
            QVERIFY(peg->faceShaded());
            spanned |= peg->geometry();
        }
        QCOMPARE(spanned, QRect(QPoint(42, 65), QPoint(138 + 14, 155 + 14)));
        QCOMPARE(program.standard().findChild<QWidget*>(QStringLiteral("L1"))->pos(), QPoint(74, 65));
        QCOMPARE(program.standard().findChild<QWidget*>(QStringLiteral("L13"))->pos(), QPoint(138, 95));
        QCOMPARE(program.standard().findChild<QWidget*>(QStringLiteral("L33"))->pos(), QPoint(106, 155));
    }

    // Button Tn shows picture n - 1 of the dialog's list, the miniature of
    // game n, pressed and released, and its number stands centred under it.
    void pictureButtonsShowTheirGames()
    {
        NewGameProgram program;
        THraDialog& dialog = program.optional();
        QCOMPARE(dialog.ImageList1().size(), 7);
        for (int n = 1; n <= 7; ++n) {
            const QImage& miniature = resources::layoutThumbnail(n);
            QCOMPARE(dialog.ImageList1()[n - 1], miniature);
            auto* button = dialog.findChild<TTransparentButton2*>(QStringLiteral("T%1").arg(n));
            QCOMPARE(button->activeIndex(), n - 1);
            QCOMPARE(button->downIndex(), n - 1);
            QCOMPARE(button->images()[TTransparentButton2::kActiveSlot], miniature);
            QCOMPARE(button->images()[TTransparentButton2::kDownSlot], miniature);
            auto* number = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(n + 1));
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
        THlavniDialog& main = program.main();
        enter(program, State::Running);
        main.Plocha().KClick(9);
        main.Plocha().BMouseDown(7);
        QCOMPARE(main.remainingText(), QStringLiteral("14"));
        main.AbandonGame();
        QSignalSpy started(&main, &THlavniDialog::gameStarted);

        program.command("MS1")->trigger();
        const pelikor::GameLayout game =
            removed ? pelikor::standardLayout(removed) : pelikor::optionalLayout(optionalGame);
        if (removed) {
            clickLink(program.chooser(), "OfficeLabel1");
            QCOMPARE(shownOf(main, u'K'), PositionSet::all());
            clickMiniature(program, removed);
            clickLink(program.standard(), "OfficeButton2");
        } else {
            clickLink(program.chooser(), "OfficeLabel2");
            clickLink(program.optional(), qPrintable(QStringLiteral("T%1").arg(optionalGame)));
        }

        const QString count = QString::number(game.pegCount());
        QCOMPARE(shownOf(main.Plocha(), u'K'), game.occupied);
        QCOMPARE(shownOf(*main.Plocha().findChild<QWidget*>(QStringLiteral("Pomocna")), u'L'), game.occupied);
        QCOMPARE(main.PocatecniPocet(), game.pegCount());
        QCOMPARE(main.remainingText(), count);
        QCOMPARE(main.gameCode(), QString::fromStdString(game.code));
        QVERIFY(main.findChild<QLabel*>(QStringLiteral("Zbytek"))->isVisible());
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.front().front().toInt(), game.pegCount());
        for (const char* name : {"MS1", "MP1"})
            QVERIFY(!program.command(name)->isEnabled());
        for (const char* name : {"MS3", "MP2"})
            QVERIFY(program.command(name)->isEnabled());
        QVERIFY(!program.child<QToolButton>(main, "TB1")->isEnabled());
        QVERIFY(program.child<QToolButton>(main, "TB2")->isEnabled());
        expectState(program, State::Running);
    }

    // Each key and button from each state of the chain, and where it leads.
    void chainFollowsItsStateTable_data()
    {
        QTest::addColumn<State>("from");
        QTest::addColumn<Input>("input");
        QTest::addColumn<State>("to");
        const auto row = [](const char* name, State from, Input input, State to) {
            QTest::newRow(name) << from << input << to;
        };
        row("idle, menu", State::Idle, Input::MenuNewGame, State::Choosing);
        row("idle, pop-up menu", State::Idle, Input::PopupNewGame, State::Choosing);
        row("idle, toolbar", State::Idle, Input::ToolbarNewGame, State::Choosing);
        row("idle, F2", State::Idle, Input::F2, State::Choosing);
        row("running, F2", State::Running, Input::F2, State::Running);
        row("running, toolbar", State::Running, Input::ToolbarNewGame, State::Running);
        row("choosing, Zpět", State::Choosing, Input::ChooserBack, State::Idle);
        row("choosing, Esc", State::Choosing, Input::ChooserEsc, State::Idle);
        row("choosing, Enter", State::Choosing, Input::ChooserEnter, State::Idle);
        row("choosing, another key", State::Choosing, Input::ChooserOtherKey, State::Choosing);
        row("choosing, standard", State::Choosing, Input::ChooseStandard, State::StandardSetup);
        row("choosing, optional", State::Choosing, Input::ChooseOptional, State::OptionalChoice);
        row("standard, Zpět", State::StandardSetup, Input::StandardBack, State::Choosing);
        row("standard, Esc", State::StandardSetup, Input::StandardEsc, State::Choosing);
        row("standard, Ok without a mark", State::StandardSetup, Input::StandardOk, State::StandardSetup);
        row("standard, Enter without a mark", State::StandardSetup, Input::StandardEnter, State::StandardSetup);
        row("standard, another key", State::StandardSetup, Input::StandardOtherKey, State::StandardSetup);
        row("standard, mark and Ok", State::StandardSetup, Input::MarkAndOk, State::Running);
        row("standard, mark and Enter", State::StandardSetup, Input::MarkAndEnter, State::Running);
        row("optional, Zpět", State::OptionalChoice, Input::OptionalBack, State::Choosing);
        row("optional, Esc", State::OptionalChoice, Input::OptionalEsc, State::Choosing);
        row("optional, Enter", State::OptionalChoice, Input::OptionalEnter, State::Choosing);
        row("optional, picture", State::OptionalChoice, Input::OptionalPicture, State::Running);
    }

    void chainFollowsItsStateTable()
    {
        QFETCH(State, from);
        QFETCH(Input, input);
        QFETCH(State, to);
        NewGameProgram program(kFigureShown);
        program.start();
        enter(program, from);
        expectState(program, from);
        apply(program, input);
        expectState(program, to);
    }

    // A chain left by the chooser's own keys after a way back ends idle,
    // and a second round opens it again from the start.
    void chainClosesAfterAWayBack()
    {
        NewGameProgram program(kFigureShown);
        program.start();
        enter(program, State::OptionalChoice);
        apply(program, Input::OptionalEnter);
        apply(program, Input::ChooseStandard);
        apply(program, Input::StandardEsc);
        apply(program, Input::ChooserEnter);
        expectState(program, State::Idle);
        enter(program, State::StandardSetup);
        apply(program, Input::MarkAndEnter);
        expectState(program, State::Running);
    }

    // A click marks its position alone; the mark is gone at the next
    // showing; the pegs stand behind the hidden board while the dialog is open.
    void markingKeepsOneRedButton()
    {
        NewGameProgram program(kFigureShown);
        program.start();
        THlavniDialog& main = program.main();
        enter(program, State::StandardSetup);
        const int cuesBefore = program.cues.size();
        QCOMPARE(markedOf(program.standard()), PositionSet());
        clickMiniature(program, 5);
        QCOMPARE(markedOf(program.standard()), PositionSet{5});
        clickMiniature(program, 12);
        QCOMPARE(markedOf(program.standard()), PositionSet{12});
        clickMiniature(program, 12);
        QCOMPARE(markedOf(program.standard()), PositionSet{12});
        QCOMPARE(program.standard().markedPosition(), 12);
        QCOMPARE(program.cues.size(), cuesBefore);

        apply(program, Input::StandardBack);
        QCOMPARE(shownOf(main.Plocha(), u'K'), PositionSet::all());
        QVERIFY(main.Plocha().isHidden());
        apply(program, Input::ChooseStandard);
        QCOMPARE(markedOf(program.standard()), PositionSet());
        apply(program, Input::StandardOk);
        QCOMPARE(shownOf(main.Plocha(), u'K'), PositionSet::all());
        QVERIFY(main.Plocha().isHidden());
        QCOMPARE(main.remainingText(), QStringLiteral("0"));

        clickMiniature(program, 12);
        apply(program, Input::StandardEnter);
        QCOMPARE(shownOf(main.Plocha(), u'K'), PositionSet::all() - PositionSet{12});
    }

    // The new-game command's row of the assistant protocol: a closed figure
    // comes back first, a figure too near the top or left edge goes home,
    // and each balloon of the chain stands above and to its left.
    void newGameOpensBesideTheFigure_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QPoint>("figureAt");
        QTest::addColumn<bool>("shownBefore");
        QTest::addColumn<QPoint>("figureAfter");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<int>("greetings");
        const QPoint home(800 - 104 - 12, 800 - 104 - 30);
        QTest::newRow("closed figure shown first") << QByteArray("[Nastaveni]\nPomocnik=0\n") << home << false << home << true << 1;
        QTest::newRow("figure in place") << kFigureShown << QPoint(400, 300) << true << QPoint(400, 300) << true << 0;
        QTest::newRow("figure at the edges' limits") << kFigureShown << QPoint(66, 87) << true << QPoint(66, 87) << true << 0;
        QTest::newRow("figure too far left") << kFigureShown << QPoint(65, 300) << true << home << true << 1;
        QTest::newRow("figure too high") << kFigureShown << QPoint(300, 86) << true << home << true << 1;
        QTest::newRow("no setting, hidden figure in place") << QByteArray() << QPoint(400, 300) << false << QPoint(400, 300) << false << 0;
        QTest::newRow("no setting, hidden figure too high") << QByteArray() << QPoint(400, 20) << false << home << true << 1;
    }

    void newGameOpensBesideTheFigure()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QPoint, figureAt);
        QFETCH(bool, shownBefore);
        QFETCH(QPoint, figureAfter);
        NewGameProgram program(settings);
        program.start();
        TPomocnikDialog& figure = program.figure();
        QCOMPARE(figure.isVisible(), shownBefore);
        figure.move(figureAt);
        program.cues.clear();

        program.command("MS1")->trigger();
        QTEST(figure.isVisible(), "shownAfter");
        QCOMPARE(figure.pos(), figureAfter);
        QTEST(int(program.cues.count(QStringLiteral("PomocnikStart.wav"))), "greetings");
        if (figure.isVisible())
            QCOMPARE(program.windows->services().settings.read(Settings::kPomocnik), QStringLiteral("1"));
        QCOMPARE(program.cues.count(QStringLiteral("Dialog.wav")), 1);

        const auto expectBeside = [&figure](QWidget& dialog) {
            QCOMPARE(dialog.pos(), QPoint(figure.x() + 104 - dialog.width() - 38, figure.y() - dialog.height() + 30));
        };
        expectBeside(program.chooser());
        apply(program, Input::ChooseStandard);
        expectBeside(program.standard());
        apply(program, Input::StandardBack);
        apply(program, Input::ChooseOptional);
        expectBeside(program.optional());
        QCOMPARE(program.cues.count(QStringLiteral("Dialog.wav")), 1);
    }
};

QTEST_MAIN(NewGameTest)
#include "new_game_test.moc"
