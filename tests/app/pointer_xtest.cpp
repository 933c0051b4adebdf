// What the pointer leaves behind when a window closes under it, on a real
// X screen.
#include "frame/StatusBar.h"
#include "setup/TVyberDialog.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/TOfficeButton.h"

#include <QCursor>
#include <QTest>

namespace {

// A corner of the screen where no window of the program lies.
constexpr QPoint kNowhere(5, 5);

// The chooser open beside the figure, and its "Zpět" under the pointer.
TOfficeButton* pointAtChoosersBack(ProgramFixture& program)
{
    TVyberDialog& chooser = program.windows->VyberDialog();
    program.main().MS1Click();
    if (!QTest::qWaitForWindowExposed(&chooser))
        return nullptr;
    auto* back = chooser.findChild<TOfficeButton*>(QStringLiteral("OfficeButton1"));
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
        program.start();
        TOfficeButton* back = pointAtChoosersBack(program);
        QVERIFY(back);
        QTest::keyClick(back->window()->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(back->window()->isHidden());
        QCursor::setPos(kNowhere);
        program.main().MS1Click();
        QVERIFY(QTest::qWaitForWindowExposed(back->window()));
        QTest::qWait(50);
        QVERIFY(!back->isHot());
        QCOMPARE(back->lampName(), QStringLiteral("OFF"));
    }

    // A click on "Zpět" closes the chooser from under the pointer, which
    // then rests on no window of the program: the hint is gone.
    void hintGoesWithTheWindowClosedUnderThePointer()
    {
        ProgramFixture program;
        program.start();
        TOfficeButton* back = pointAtChoosersBack(program);
        QVERIFY(back);
        auto* status = program.child<StatusBar>("StavovyRadek");
        QTRY_COMPARE(status->panelText(), QStringLiteral("      Uzavře dialogové okno"));
        QTest::mouseClick(back->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          back->mapTo(back->window(), back->rect().center()));
        QTRY_VERIFY(back->window()->isHidden());
        QTRY_COMPARE(status->panelText(), QStringLiteral("      "));
    }
};

QTEST_MAIN(PointerXTest)
#include "pointer_xtest.moc"
