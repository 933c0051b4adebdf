// What the pointer leaves behind when a window closes under it, what the
// best-table view's button shows, and the figure under the player's pointer,
// on a real X screen; run both without and under a window manager.
#include "frame/StatusBar.h"
#include "scores/BestTableView.h"
#include "setup/GameTypeChooser.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TestWindowManager.h"
#include "tests/support/XWindows.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

// A corner of the screen where no window of the program lies.
constexpr QPoint kNowhere(5, 5);
// The middle of the figure, where the pointer takes it.
constexpr QPoint kFigureGrip(52, 52);

// Where the X server shows a window of this process.
QRect shownGeometry(const QWidget& window)
{
    return windowGeometry(QString::number(window.winId()));
}

// The chooser open beside the figure, and its "Zpět" lit under the pointer.
FlatButton* pointAtChoosersBack(ProgramFixture& program)
{
    program.start();
    emit program.main().newGameRequested();
    auto* back = program.windows->gameTypeChooser().findChild<FlatButton*>(QStringLiteral("backButton"));
    // Pointed at once it stands where a window manager places it.
    const auto placed = [back] { return QApplication::topLevelAt(back->mapToGlobal(back->rect().center())) == back->window(); };
    if (!QTest::qWaitForWindowExposed(back->window()) || !QTest::qWaitFor(placed))
        return nullptr;
    QCursor::setPos(back->mapToGlobal(back->rect().center()));
    return QTest::qWaitFor([back] { return back->isHot(); }) ? back : nullptr;
}

} // namespace

class PointerXTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(kNowhere); }

    // The pointer's events go through the X server, past any window manager
    // that would take them: the figure follows a drag exactly, and a
    // double-click on it opens the welcome above and to the left of it.
    void figureFollowsADragAndOpensTheWelcomeOnADoubleClick()
    {
        ProgramFixture program(QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=0\n"));
        program.start();
        AssistantFigure& figure = program.figure();
        QVERIFY(QTest::qWaitForWindowExposed(&figure));
        QTRY_COMPARE(shownGeometry(figure), figure.geometry());
        const QPoint from = figure.pos() + kFigureGrip;
        const QPoint to = from - QPoint(300, 200);
        xdotool(QStringLiteral("mousemove %1 %2 mousedown 1 mousemove %3 %4 mousemove %5 %6 mouseup 1")
                    .arg(from.x()).arg(from.y()).arg(from.x() - 20).arg(from.y() - 5).arg(to.x()).arg(to.y()));
        const QRect dragged(to - kFigureGrip, AssistantFigure::kClientSize);
        QTRY_COMPARE(shownGeometry(figure), dragged);
        QCOMPARE(figure.frameGeometry(), dragged);
        QVERIFY(program.welcome().isHidden());

        xdotool(QStringLiteral("click --repeat 2 --delay 100 1"));
        WelcomeBalloon& welcome = program.welcome();
        QTRY_VERIFY(welcome.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&welcome));
        const QRect beside(dragged.right() + 1 - welcome.width() - 38, dragged.top() - welcome.height() + 30,
                           welcome.width(), welcome.height());
        QTRY_COMPARE(shownGeometry(welcome), beside);
        QCOMPARE(welcome.frameGeometry(), beside);
        QCOMPARE(shownGeometry(figure), dragged);
        QVERIFY(!figure.isEnabled() && !program.main().isEnabled());
    }

    // Closed by Esc under the pointer, the chooser shows its "Zpět" unlit
    // the next time it opens with the pointer elsewhere.
    void buttonLitWhenItsBalloonClosedIsDarkWhenItReopens()
    {
        ProgramFixture program;
        FlatButton* back = pointAtChoosersBack(program);
        QVERIFY(back);
        QTest::keyClick(back->window()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(back->window()->isHidden());
        QCursor::setPos(kNowhere);
        emit program.main().newGameRequested();
        QVERIFY(QTest::qWaitForWindowExposed(back->window()));
        QTest::qWait(50);
        QCOMPARE(back->lampName(), QStringLiteral("OFF"));
    }

    // A click on "Zpět" closes the chooser from under the pointer, which
    // then rests on no window of the program: the hint is gone.
    void hintGoesWithTheWindowClosedUnderThePointer()
    {
        ProgramFixture program;
        FlatButton* back = pointAtChoosersBack(program);
        QVERIFY(back);
        auto* status = program.child<StatusBar>("statusBar");
        QTRY_COMPARE(status->panelText(), QStringLiteral("      Uzavře dialogové okno"));
        QTest::mouseClick(back->window()->windowHandle(), Qt::LeftButton, {}, back->mapTo(back->window(), back->rect().center()));
        QTRY_VERIFY(back->window()->isHidden());
        QTRY_COMPARE(status->panelText(), QStringLiteral("      "));
    }

    // The view opens with the keyboard on "Ok", the button Enter presses:
    // it takes the style's highlight, with no key used.
    void tableViewsOkShowsItTakesEnter()
    {
        ProgramFixture program;
        program.start();
        emit program.main().tableRequested();
        auto* ok = program.windows->bestTableView().findChild<QPushButton*>(QStringLiteral("okButton"));
        QVERIFY(QTest::qWaitForWindowExposed(ok->window()));
        QTRY_VERIFY(ok->hasFocus());
        QTest::qWait(50);
        const QPoint at = ok->mapToGlobal(QPoint());
        const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), ok->width(), ok->height()).toImage();
        int highlighted = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                highlighted += shown.pixelColor(x, y).blue() > shown.pixelColor(x, y).red() + 40;
        QVERIFY2(highlighted > ok->width(), qPrintable(QString::number(highlighted)));
    }
};

PELIKOR_XTEST_MAIN(PointerXTest)
#include "pointer_xtest.moc"
