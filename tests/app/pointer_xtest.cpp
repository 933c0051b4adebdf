// What the pointer leaves behind when a window closes under it, and what
// the best-table view's button shows, on a real X screen.
#include "frame/StatusBar.h"
#include "scores/BestTableView.h"
#include "setup/GameTypeChooser.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/FlatButton.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

// A corner of the screen where no window of the program lies.
constexpr QPoint kNowhere(5, 5);

// The chooser open beside the figure, and its "Zpět" lit under the pointer.
FlatButton* pointAtChoosersBack(ProgramFixture& program)
{
    program.start();
    emit program.main().newGameRequested();
    auto* back = program.windows->gameTypeChooser().findChild<FlatButton*>(QStringLiteral("backButton"));
    if (!QTest::qWaitForWindowExposed(back->window()))
        return nullptr;
    QCursor::setPos(back->mapToGlobal(back->rect().center()));
    return QTest::qWaitFor([back] { return back->isHot(); }) ? back : nullptr;
}

} // namespace

class PointerXTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(kNowhere); }

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

QTEST_MAIN(PointerXTest)
#include "pointer_xtest.moc"
