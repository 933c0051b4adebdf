// Whole games set up by the mouse on a real X screen: F2, the balloons
// beside the figure, the clicks at the dialogs' own coordinates, the first jump.
#include "BoardPanel.h"
#include "NewGameProgram.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using pelikor::PositionSet;

namespace {

// Where the figure stands at start: 12 and 30 pixels in from the screen's
// bottom right corner.
QPoint figureHome()
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    return {screen.width() - 104 - 12, screen.height() - 104 - 30};
}

// Clicks `window` at a point of its own coordinates, after checking that
// the screen shows that window there.
void clickAt(QWidget& window, QPoint at)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QApplication::topLevelAt(window.mapToGlobal(at)), &window);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// The centre of a control of the main window, in the window's coordinates.
QPoint centreOf(THlavniDialog& main, const QString& name)
{
    QWidget* control = main.findChild<QWidget*>(name);
    return control->mapTo(&main, control->rect().center());
}

} // namespace

class NewGameXTest : public QObject {
    Q_OBJECT

private:
    // F2 on the main window: the chooser opens above and to the left of the
    // figure at its home corner.
    static void pressF2(NewGameProgram& program)
    {
        QTest::keyClick(program.main().windowHandle(), Qt::Key_F2);
        TVyberDialog& chooser = program.chooser();
        QTRY_VERIFY(chooser.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        const QPoint figure = figureHome();
        QTRY_COMPARE(chooser.frameGeometry().topLeft(), QPoint(figure.x() + 104 - 160 - 38, figure.y() - 115 + 30));
    }

    // Selects peg `source` and jumps it into the hole `target` by two clicks.
    static void jump(NewGameProgram& program, int source, int target)
    {
        THlavniDialog& main = program.main();
        clickAt(main, centreOf(main, QStringLiteral("K%1").arg(source)));
        QCOMPARE(main.Plocha().board().selected(), source);
        clickAt(main, centreOf(main, QStringLiteral("B%1").arg(target)));
    }

private slots:
    void standardGameByTheMouse()
    {
        NewGameProgram program;
        program.start();
        pressF2(program);

        clickAt(program.chooser(), {40, 40}); // "Standardní hra"
        TStandardDialog& standard = program.standard();
        QTRY_VERIFY(standard.isVisible());
        QVERIFY(!program.chooser().isEnabled());
        clickAt(standard, {42 + 16 * 3 + 7, 65 + 15 * 3 + 7}); // the centre, column 4 of row 4
        QCOMPARE(standard.markedPosition(), 17);
        clickAt(standard, {29 + 32, 182 + 10}); // "Ok"

        THlavniDialog& main = program.main();
        QTRY_VERIFY(standard.isHidden() && program.chooser().isHidden());
        QVERIFY(main.isEnabled() && main.gameRunning());
        QCOMPARE(main.remainingText(), QStringLiteral("32"));
        jump(program, 5, 17);
        QCOMPARE(main.Plocha().board().pegs(), (PositionSet::all() - PositionSet{5, 10}));
        QCOMPARE(main.remainingText(), QStringLiteral("31"));
    }

    void optionalGameByTheMouse()
    {
        NewGameProgram program;
        program.start();
        pressF2(program);

        clickAt(program.chooser(), {40, 56}); // "Volitelná hra"
        THraDialog& optional = program.optional();
        QTRY_VERIFY(optional.isVisible());
        clickAt(optional, {7 + 20, 40 + 20}); // game 1, the cross

        THlavniDialog& main = program.main();
        QTRY_VERIFY(optional.isHidden() && program.chooser().isHidden());
        QCOMPARE(main.gameCode(), QStringLiteral("10"));
        QCOMPARE(main.remainingText(), QStringLiteral("6"));
        jump(program, 17, 29);
        QCOMPARE(main.Plocha().board().pegs(), (PositionSet{5, 9, 10, 11, 29}));
        QCOMPARE(main.remainingText(), QStringLiteral("5"));
    }
};

QTEST_MAIN(NewGameXTest)
#include "new_game_xtest.moc"
