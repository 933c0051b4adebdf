#include "dialogs/BalloonDialog.h"
#include "dialogs/DialogOwners.h"
#include "tests/support/ShellFixture.h"

#include <QLineEdit>
#include <QTest>

namespace {

// A dialog that records what its handlers were asked to do.
class ProbeDialog : public BalloonDialog {
public:
    ProbeDialog(DialogOwners& owners, OwnerLock lock) : BalloonDialog(owners, QSize(160, 115), BalloonTail::BottomRight, lock)
    {
        edit = new QLineEdit(this);
        passDialogKeys(edit);
    }

    QStringList steps;
    QLineEdit* edit;

protected:
    void prepareToShow() override { steps << QStringLiteral("show"); }
    void finishClosing() override { steps << QStringLiteral("close"); }
    void handleKey(int key) override
    {
        steps << QString::number(key);
        if (key == kKeyEscape)
            close();
    }
};

} // namespace

Q_DECLARE_METATYPE(ProgramDialog::OwnerLock)

class DialogBaseTest : public QObject {
    Q_OBJECT

    ShellFixture shell;
    DialogOwners& owners = shell.owners;

    bool ownersEnabled() const { return shell.mainWindow.isEnabled() && shell.figure->isEnabled(); }
    bool ownersDisabled() const { return !shell.mainWindow.isEnabled() && !shell.figure->isEnabled(); }

private slots:
    void init() { owners.enable(); }

    // Whom the dialog locks while it is open and after however it closed.
    void ownersAreLockedByTheirRule_data()
    {
        QTest::addColumn<ProgramDialog::OwnerLock>("lock");
        QTest::addColumn<bool>("lockedWhileShown");
        QTest::addColumn<bool>("lockedAfterClose");
        QTest::newRow("while shown") << ProgramDialog::OwnerLock::WhileShown << true << false;
        QTest::newRow("on show") << ProgramDialog::OwnerLock::OnShow << true << true;
        QTest::newRow("none") << ProgramDialog::OwnerLock::None << false << false;
    }

    void ownersAreLockedByTheirRule()
    {
        QFETCH(ProgramDialog::OwnerLock, lock);
        QFETCH(bool, lockedWhileShown);
        QFETCH(bool, lockedAfterClose);
        ProbeDialog dialog(owners, lock);
        for (const auto& closeIt : {+[](ProbeDialog& d) { d.close(); },
                                    +[](ProbeDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
                                    +[](ProbeDialog& d) { QTest::keyClick(d.edit, Qt::Key_Escape); }}) {
            owners.enable();
            dialog.showDialog();
            QCOMPARE(ownersDisabled(), lockedWhileShown);
            QCOMPARE(ownersEnabled(), !lockedWhileShown);
            closeIt(dialog);
            QVERIFY(dialog.isHidden());
            QCOMPARE(ownersDisabled(), lockedAfterClose);
        }
        QCOMPARE(dialog.steps.count(QStringLiteral("show")), 3);
        QCOMPARE(dialog.steps.count(QStringLiteral("close")), 3);
    }

    void showStepsRunOnlyWhenTheDialogTurnsVisible()
    {
        ProbeDialog dialog(owners, ProgramDialog::OwnerLock::WhileShown);
        dialog.showDialog();
        dialog.edit->setText(QStringLiteral("Jana"));
        dialog.showDialog();
        dialog.showDialog();
        QCOMPARE(dialog.steps, QStringList{QStringLiteral("show")});
        QCOMPARE(dialog.edit->text(), QStringLiteral("Jana"));
        dialog.close();
        dialog.close(); // closing a closed dialog runs no close steps
        QCOMPARE(dialog.steps, (QStringList{QStringLiteral("show"), QStringLiteral("close")}));
    }

    void enterAndEscReachTheKeyHandlerFromTheBoundControl()
    {
        ProbeDialog dialog(owners, ProgramDialog::OwnerLock::WhileShown);
        dialog.showDialog();
        QTest::keyClicks(dialog.edit, QStringLiteral("Ola"));
        QTest::keyClick(dialog.edit, Qt::Key_Return);
        QTest::keyClick(dialog.edit, Qt::Key_Enter);
        QTest::keyClick(&dialog, Qt::Key_A);
        QCOMPARE(dialog.edit->text(), QStringLiteral("Ola"));
        QCOMPARE(dialog.steps, (QStringList{QStringLiteral("show"), QStringLiteral("13"), QStringLiteral("13"),
                                            QString::number(Qt::Key_A)}));
    }

    void balloonIsABorderlessPaleYellowWindowOnTopShapedWhenShown()
    {
        ProbeDialog dialog(owners, ProgramDialog::OwnerLock::None);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dialog.size(), QSize(160, 115));
        QCOMPARE(toColourNumber(dialog.palette().color(QPalette::Window)), BalloonDialog::kBalloonColour);
        QCOMPARE(dialog.shaper().balloonPosition(), BalloonTail::BottomRight);
        dialog.showDialog();
        QCOMPARE(dialog.mask(), dialog.shaper().shape().region());
        QVERIFY(!dialog.mask().contains(QPoint(159, 114)));
    }
};

QTEST_MAIN(DialogBaseTest)
#include "dialog_base_test.moc"
