#include "dialogs/AssistantFigure.h"
#include "widgets/ShapedPicture.h"
#include "dialogs/ProgramDialog.h"
#include "frame/BossScreen.h"
#include "game/BoardPanel.h"
#include "scores/BestTableView.h"
#include "setup/core/Games.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/FlatButton.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/PositionCursor.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTest>

#include <functional>

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
// arrows) have no name of the program's. Pegs are played and marked
// through the positions of the boards' cursors.
bool isPlayersControl(QWidget* control)
{
    if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
        return false;
    return qobject_cast<LinkLabel*>(control) || qobject_cast<FlatButton*>(control)
        || qobject_cast<PictureButton*>(control) || qobject_cast<QAbstractButton*>(control)
        || qobject_cast<QLineEdit*>(control) || qobject_cast<PositionCursor*>(control);
}

// The first interface below `root`, depth first, that `matches`; only
// among the shown ones, or among all that assistive technology is given.
QAccessibleInterface* findBelow(QAccessibleInterface* root, const std::function<bool(QAccessibleInterface*)>& matches,
                                bool shownOnly = true)
{
    if (!root || (shownOnly && root->state().invisible))
        return nullptr;
    if (matches(root))
        return root;
    for (int index = 0; index < root->childCount(); ++index)
        if (QAccessibleInterface* found = findBelow(root->child(index), matches, shownOnly))
            return found;
    return nullptr;
}

// What a screen reader finds in any shown window of the program.
QAccessibleInterface* find(QAccessible::Role role, const QString& name)
{
    return findBelow(QAccessible::queryAccessibleInterface(qApp), [&](QAccessibleInterface* face) {
        return face->role() == role && face->text(QAccessible::Name) == name;
    });
}

// Its default action, as a screen reader gives it.
void press(QAccessibleInterface* face)
{
    QVERIFY(face && face->actionInterface());
    QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
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
                const QString name = window->statusTip().isEmpty() ? window->accessibleName() : window->statusTip();
                QVERIFY2(!name.isEmpty() && accessibleName(window) == name, qPrintable(window->objectName()));
                QCOMPARE(accessibleRole(window), QAccessible::Dialog);
            }
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!isPlayersControl(control))
                    continue;
                QVERIFY2(!accessibleName(control).isEmpty(),
                         qPrintable(QStringLiteral("%1 in %2").arg(control->objectName(), window->objectName())));
                ++checked;
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                for (int index = 0; qobject_cast<PositionCursor*>(control) && index < face->childCount(); ++index) {
                    QVERIFY(face->child(index)->role() == QAccessible::Notification || !face->child(index)->text(QAccessible::Name).isEmpty());
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 100);
    }

    void positionsAndLinksAreNamedAndKnownByRole()
    {
        ProgramFixture program;
        QAccessibleInterface* centre = QAccessible::queryAccessibleInterface(program.child<QWidget>("cursor"))->child(16);
        QCOMPARE(centre->text(QAccessible::Name), QStringLiteral("Kámen, řada 4, sloupec 4"));
        QCOMPARE(centre->role(), QAccessible::Button);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(program.child<QWidget>("bestTableButton"));
        QVERIFY(table->text(QAccessible::Name) == "Zobrazit tabulku nejlepších..." && table->text(QAccessible::Description) == "Zobrazí tabulku nejlepších hráčů");
        QSignalSpy opened(&program.figure(), &AssistantFigure::doubleClicked);
        QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(&program.figure().shapedPicture());
        QCOMPARE(figure->text(QAccessible::Name), QStringLiteral("Pomocník Kolvex"));
        press(figure);
        QCOMPARE(opened.count(), 1);
        auto* link = program.welcome().findChild<LinkLabel*>(QStringLiteral("startLink"));
        QCOMPARE(accessibleName(link), QStringLiteral("Začít pracovat s programem Pelikor 2000"));
        QCOMPARE(accessibleRole(link), QAccessible::Link);
        // A caption changed later is read as it is now.
        link->setCaption(QStringLiteral("Jinak"));
        QCOMPARE(accessibleName(link), QStringLiteral("Jinak"));
    }

    // A game from the new-game command to the best table, played through
    // what assistive technology sees and does; nothing hidden, covered or
    // nameless shows in the main window meanwhile.
    void wholeGameThroughTheInterfaces()
    {
        ProgramFixture program(QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=0\n"));
        program.start();
        // The boss screen, once shown and hidden again, keeps its calendar hidden.
        for (int toggle = 0; toggle < 2; ++toggle)
            program.child<QAction>("bossScreenAction")->trigger();
        QCalendarWidget* calendar = program.child<BossScreen>("bossScreen")->calendar();
        QVERIFY(calendar);
        const auto hiddenOrNameless = [&](QAccessibleInterface* face) {
            return face->object() == calendar || (face->role() == QAccessible::Button && face->text(QAccessible::Name).isEmpty());
        };
        const auto showsNoHiddenOrNameless = [&] {
            return !findBelow(QAccessible::queryAccessibleInterface(&program.main()), hiddenOrNameless, false);
        };
        QVERIFY(showsNoHiddenOrNameless());

        press(find(QAccessible::Button, QStringLiteral("Nová hra...")));
        press(find(QAccessible::Link, QStringLiteral("Standardní hra")));
        QAccessibleInterface* mark = find(QAccessible::Button, QStringLiteral("Kámen, řada 3, sloupec 4"));
        press(mark);
        QVERIFY(mark->state().checked && mark->state().selected);
        press(find(QAccessible::Button, QStringLiteral("Ok")));
        QVERIFY(program.main().gameRunning());

        // 24 over 17 into 10: three names change, the count with them.
        QAccessibleInterface* board = find(QAccessible::Grouping, QStringLiteral("Hrací pole"));
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("Zbylé kameny: 32"));
        QAccessibleInterface* from = find(QAccessible::Button, QStringLiteral("Kámen, řada 5, sloupec 4"));
        press(from);
        QVERIFY(from->state().checked && from->state().selected);
        press(find(QAccessible::Button, QStringLiteral("Volný bod, řada 3, sloupec 4")));
        QCOMPARE(from->text(QAccessible::Name), QStringLiteral("Volný bod, řada 5, sloupec 4"));
        QCOMPARE(board->child(16)->text(QAccessible::Name), QStringLiteral("Volný bod, řada 4, sloupec 4"));
        QCOMPARE(board->child(9)->text(QAccessible::Name), QStringLiteral("Kámen, řada 3, sloupec 4"));
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("Zbylé kameny: 31"));
        QVERIFY(showsNoHiddenOrNameless());

        press(find(QAccessible::Button, QStringLiteral("Ukončit hru")));
        press(find(QAccessible::Button, QStringLiteral("Ano")));
        QVERIFY(!program.main().gameRunning());

        press(find(QAccessible::Button, QStringLiteral("Zobrazit tabulku nejlepších...")));
        QVERIFY(find(QAccessible::Dialog, QStringLiteral("Tabulka nejlepších hráčů")));
        press(find(QAccessible::PageTab, QStringLiteral("Volitelná 3")));
        QVERIFY(find(QAccessible::Table, QStringLiteral("Nejlepší hráči: Volitelná 3")));
        QWidget& table = program.windows->bestTableView();
        QCOMPARE(table.findChild<QTabWidget*>(QStringLiteral("pages"))->currentIndex(), 5);
        press(find(QAccessible::Button, QStringLiteral("Ok")));
        QTRY_VERIFY(table.isHidden());
    }

    // The play aids are the board's own actions, offered while they can act:
    // undo takes the jump made through the positions back, the hint is told
    // with the count in the board's description.
    void undoAndHintAreActionsOfTheBoard()
    {
        ProgramFixture program;
        program.start();
        const pelikor::GameLayout layout = pelikor::standardLayout();
        program.main().startGame(layout.occupied, layout.game);
        QAccessibleInterface* board = find(QAccessible::Grouping, QStringLiteral("Hrací pole"));
        QAccessibleActionInterface* actions = board->actionInterface();
        QVERIFY(actions->actionNames().contains(QStringLiteral("Poradit tah")));
        QVERIFY(!actions->actionNames().contains(QStringLiteral("Vrátit tah")));
        program.main().setEnabled(false);
        QVERIFY2(!actions->actionNames().contains(QStringLiteral("Poradit tah")), "locked as by a balloon");
        program.main().setEnabled(true);
        press(board->child(28));
        press(board->child(16));
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("Zbylé kameny: 31"));
        QCOMPARE(actions->keyBindingsForAction(QStringLiteral("Vrátit tah")), QStringList{QStringLiteral("Ctrl+Z")});
        QCOMPARE(actions->localizedActionDescription(QStringLiteral("Vrátit tah")), QStringLiteral("Vezme zpět poslední tah"));
        actions->doAction(QStringLiteral("Vrátit tah"));
        QVERIFY(program.main().boardPanel().board().pegs() == layout.occupied);
        QCOMPARE(board->child(16)->text(QAccessible::Name), QStringLiteral("Volný bod, řada 4, sloupec 4"));

        actions->doAction(QStringLiteral("Poradit tah"));
        QTRY_VERIFY(board->text(QAccessible::Description).startsWith(QStringLiteral("Zbylé kameny: 32. Nápověda: skočte z")));
        QVERIFY(board->text(QAccessible::Description).endsWith(QStringLiteral("Nejlepší konec odtud: 1 kámen.")));
        QCOMPARE(find(QAccessible::Client, board->text(QAccessible::Description).section(QStringLiteral(". "), 1))->object(),
                 program.child<QObject>("hintMark"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
