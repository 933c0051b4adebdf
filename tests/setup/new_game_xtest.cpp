// Whole games set up by the mouse on a real X screen: F2, the balloons
// beside the figure, the clicks at the dialogs' own coordinates, the first jump.
#include "game/BoardPanel.h"
#include "tests/setup/NewGameProgram.h"
#include "tests/support/TestWindowManager.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using pelikor::PositionSet;

namespace {

// Clicks `window` at a point of its own coordinates, once the screen shows
// that window there (a window manager places a new window a moment later).
void clickAt(QWidget& window, QPoint at)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(QApplication::topLevelAt(window.mapToGlobal(at)), &window);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// The centre of a control of the main window, in the window's coordinates.
QPoint centreOf(MainWindow& main, const QString& name)
{
    QWidget* control = main.findChild<QWidget*>(name);
    return control->mapTo(&main, control->rect().center());
}

} // namespace

class NewGameXTest : public QObject {
    Q_OBJECT

private slots:
    // The clicks at the places the dialogs' tables give: the choice in the
    // chooser, then the miniature's centre and "Ok", or a picture.
    void gameByTheMouse_data()
    {
        QTest::addColumn<QPoint>("choice");
        QTest::addColumn<QList<QPoint>>("clicks");
        QTest::addColumn<QString>("code");
        QTest::addColumn<quint64>("start");
        QTest::addColumn<QList<int>>("jump"); // source, jumped, target
        const QPoint centre(42 + 16 * 3 + 7, 65 + 15 * 3 + 7), ok(29 + 32, 182 + 10), cross(7 + 20, 40 + 20);
        QTest::newRow("standard without the centre")
            << QPoint(40, 40) << QList<QPoint>{centre, ok} << QStringLiteral("3")
            << quint64((PositionSet::all() - PositionSet{17}).bits()) << QList<int>{5, 10, 17};
        QTest::newRow("optional 1, the cross")
            << QPoint(40, 56) << QList<QPoint>{cross} << QStringLiteral("10")
            << quint64(PositionSet{5, 9, 10, 11, 17, 24}.bits()) << QList<int>{17, 24, 29};
    }

    void gameByTheMouse()
    {
        QFETCH(QPoint, choice);
        QFETCH(QList<QPoint>, clicks);
        QFETCH(quint64, start);
        QFETCH(QList<int>, jump);
        NewGameProgram program;
        program.start();
        program.activate();
        QTest::keyClick(program.main().windowHandle(), Qt::Key_F2);
        // The chooser above and to the left of the figure at its home corner,
        // 12 and 30 pixels in from the screen's bottom right corner.
        GameTypeChooser& chooser = program.chooser();
        QTRY_VERIFY(chooser.isVisible());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint figure(screen.width() - 104 - 12, screen.height() - 104 - 30);
        QTRY_COMPARE(chooser.frameGeometry().topLeft(), QPoint(figure.x() + 104 - 160 - 38, figure.y() - 115 + 30));

        clickAt(chooser, choice);
        QTRY_VERIFY(program.standard().isVisible() || program.optional().isVisible());
        QVERIFY(!chooser.isEnabled());
        QWidget& step = program.standard().isVisible() ? static_cast<QWidget&>(program.standard()) : program.optional();
        for (QPoint at : clicks)
            clickAt(step, at);

        MainWindow& main = program.main();
        QTRY_VERIFY(step.isHidden() && chooser.isHidden());
        QVERIFY(main.isEnabled() && main.gameRunning());
        QTEST(main.gameCode(), "code");
        const PositionSet laid = PositionSet::fromBits(start);
        QCOMPARE(main.boardPanel().board().pegs(), laid);
        QCOMPARE(main.remainingText(), QString::number(laid.size()));

        clickAt(main, centreOf(main, QStringLiteral("peg%1").arg(jump[0])));
        QCOMPARE(main.boardPanel().board().selected(), jump[0]);
        clickAt(main, centreOf(main, QStringLiteral("hole%1").arg(jump[2])));
        QCOMPARE(main.boardPanel().board().pegs(), ((laid - PositionSet{jump[0], jump[1]}) | PositionSet{jump[2]}));
        QCOMPARE(main.remainingText(), QString::number(laid.size() - 1));
    }
};

PELIKOR_XTEST_MAIN(NewGameXTest)
#include "new_game_xtest.moc"
