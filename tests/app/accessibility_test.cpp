#include "dialogs/ProgramDialog.h"
#include "game/HoleShape.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/THemisphereButton.h"
#include "widgets/TOfficeButton.h"
#include "widgets/TOfficeLabel.h"
#include "widgets/TTransparentButton2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

QString accessibleName(QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

QAccessible::Role accessibleRole(QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->role() : QAccessible::NoRole;
}

// The controls a player works with, which must be read out by a name; the
// parts Qt builds into its own controls (a grid's corner, a tab bar's
// arrows) have no name of the program's.
bool isPlayersControl(QWidget* control)
{
    if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
        return false;
    // Pegs are played on the board and marked on the miniature; the twins
    // and the idle screen's pegs only show.
    if (qobject_cast<THemisphereButton*>(control))
        return control->parentWidget()->objectName() == QLatin1String("Plocha")
            || control->window()->objectName() == QLatin1String("TStandardDialog");
    return qobject_cast<TOfficeLabel*>(control) || qobject_cast<TOfficeButton*>(control)
        || qobject_cast<TTransparentButton2*>(control) || qobject_cast<QAbstractButton*>(control)
        || qobject_cast<QLineEdit*>(control) || qobject_cast<HoleShape*>(control);
}

} // namespace

// Assistive technology reads every window of the program in Czech.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlAPlayerUsesHasAName()
    {
        ProgramFixture program;
        int checked = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<ProgramDialog*>(window)) {
                QCOMPARE(accessibleName(window), window->statusTip());
                QCOMPARE(accessibleRole(window), QAccessible::Dialog);
            }
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!isPlayersControl(control))
                    continue;
                QVERIFY2(!accessibleName(control).isEmpty(),
                         qPrintable(QStringLiteral("%1 in %2").arg(control->objectName(), window->objectName())));
                ++checked;
            }
        }
        QVERIFY(checked > 100);
    }

    void pegsHolesAndLinksAreNamedAndKnownByRole()
    {
        ProgramFixture program;
        QWidget* peg = program.child<QWidget>("K17");
        QCOMPARE(accessibleName(peg), QStringLiteral("Kámen 17"));
        QCOMPARE(accessibleRole(peg), QAccessible::Button);
        QCOMPARE(accessibleName(program.child<QWidget>("B5")), QStringLiteral("Pole 5"));
        QCOMPARE(accessibleName(program.child<QWidget>("TB3")), QStringLiteral("Zobrazí tabulku nejlepších hráčů"));
        auto* link = program.welcome().findChild<TOfficeLabel*>(QStringLiteral("OfficeLabel4"));
        QCOMPARE(accessibleName(link), QStringLiteral("Začít pracovat s programem Pelikor 2000"));
        QCOMPARE(accessibleRole(link), QAccessible::Link);
        // A caption changed later is read as it is now.
        link->setCaption(QStringLiteral("Jinak"));
        QCOMPARE(accessibleName(link), QStringLiteral("Jinak"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
