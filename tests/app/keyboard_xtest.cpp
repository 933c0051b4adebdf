// A whole game on a real X screen played by the keys alone, as a player
// without a mouse plays it: no pointer event reaches the program.
#include "frame/StatusBar.h"
#include "game/BoardPanel.h"
#include "scores/TDotazKonecDialog.h"
#include "scores/TTabulkaDialog.h"
#include "setup/TStandardDialog.h"
#include "setup/TVyberDialog.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/PositionCursor.h"
#include "widgets/THemisphereButton.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

using pelikor::PositionSet;

namespace {

// Counts the pointer's events anywhere in the program.
class PointerEvents : public QObject {
public:
    PointerEvents() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
        return false;
    }
};

// A key as the X server delivers it: to the open menu, or else to the
// window that has the keyboard.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* popup = QApplication::activePopupWidget();
    QWindow* target = popup ? popup->windowHandle() : QGuiApplication::focusWindow();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void pressAll(std::initializer_list<int> keys)
{
    for (int key : keys)
        press(key);
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class KeyboardXTest : public QObject {
    Q_OBJECT

private slots:
    void wholeGameByTheKeys()
    {
        ProgramFixture program(QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=0\n"));
        program.start();
        PointerEvents pointer;
        THlavniDialog& main = program.main();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        // F2, the chooser on its first link; down and up its column, Space.
        press(Qt::Key_F2);
        TVyberDialog& chooser = program.windows->VyberDialog();
        QTRY_VERIFY(chooser.isActiveWindow());
        QCOMPARE(focusName(), QStringLiteral("OfficeLabel1"));
        press(Qt::Key_Down);
        QCOMPARE(focusName(), QStringLiteral("OfficeLabel2"));
        pressAll({Qt::Key_Down, Qt::Key_Up, Qt::Key_Space});

        // The miniature's cursor from the centre up to 10, marked, Enter.
        TStandardDialog& standard = program.windows->StandardDialog();
        QTRY_VERIFY(standard.isActiveWindow());
        pressAll({Qt::Key_Up, Qt::Key_Space, Qt::Key_Enter});
        QTRY_VERIFY(main.gameRunning() && main.isActiveWindow());
        BoardPanel& board = main.Plocha();
        QCOMPARE(board.board().pegs(), PositionSet::all() - PositionSet{10});

        // The board's cursor stands on the centre: 24 over 17 into 10, then
        // 32 over 29 into 24, the hint following the cursor.
        PositionCursor& cursor = board.cursor();
        QTRY_VERIFY(cursor.hasFocus());
        QCOMPARE(cursor.position(), 17);
        pressAll({Qt::Key_Down, Qt::Key_Space});
        QCOMPARE(board.board().selected(), 24);
        pressAll({Qt::Key_Up, Qt::Key_Up});
        QCOMPARE(program.child<StatusBar>("StavovyRadek")->panelText(), QStringLiteral("      Volný bod"));
        press(Qt::Key_Space);
        pressAll({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
        QCOMPARE(cursor.position(), 32);
        pressAll({Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
        QCOMPARE(board.board().pegs(), (PositionSet::all() - PositionSet{17, 29, 32}));
        QCOMPARE(main.remainingText(), QStringLiteral("30"));
        QCOMPARE(program.child<StatusBar>("StavovyRadek")->panelText(), QStringLiteral("      Hrací kámen"));
        expectFrameAround(cursor, 24);

        // F3: Esc keeps the game, Enter gives it up.
        press(Qt::Key_F3);
        TDotazKonecDialog& question = program.windows->DotazKonecDialog();
        QTRY_VERIFY(question.isActiveWindow());
        press(Qt::Key_Escape);
        QTRY_VERIFY(main.isActiveWindow());
        QVERIFY(main.gameRunning());
        press(Qt::Key_F3);
        QTRY_VERIFY(question.isActiveWindow());
        press(Qt::Key_Enter);
        QTRY_VERIFY(!main.gameRunning() && main.isActiveWindow());

        // The best table by the menu's keys, its pages turned from the Ok.
        press(Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        press(Qt::Key_Z);
        QWidget& table = program.windows->TabulkaDialog();
        QTRY_VERIFY(table.isActiveWindow());
        QCOMPARE(focusName(), QStringLiteral("Button1"));
        auto* pages = table.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const QList<std::pair<QKeyCombination, int>> turns = {
            {Qt::CTRL | Qt::Key_Tab, 1},      {Qt::CTRL | Qt::Key_Tab, 2},     {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 1},
            {Qt::CTRL | Qt::Key_PageDown, 2}, {Qt::CTRL | Qt::Key_PageUp, 1},  {Qt::CTRL | Qt::Key_PageUp, 0},
            {Qt::CTRL | Qt::Key_PageUp, 7},   {Qt::CTRL | Qt::Key_Tab, 0}};
        for (const auto& [keys, page] : turns) {
            press(keys.key(), keys.keyboardModifiers());
            QCOMPARE(pages->currentIndex(), page);
        }
        press(Qt::Key_Enter);
        QTRY_VERIFY(table.isHidden());
        QCOMPARE(pointer.count, 0);
    }

private:
    // The screen shows the house focus frame, black dots on white, two
    // pixels outside position n's peg, and none around its neighbour.
    static void expectFrameAround(PositionCursor& cursor, int n)
    {
        const QRect place(cursor.mapToGlobal(cursor.place(n).topLeft()), cursor.place(n).size());
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const auto dotsOnTop = [&](const QRect& around) {
            int black = 0;
            int white = 0;
            for (int x = around.left(); x <= around.right(); ++x) {
                const QColor pixel = screen.pixelColor(x, around.top() - 2);
                black += pixel == Qt::black;
                white += pixel == Qt::white;
            }
            return std::min(black, white);
        };
        QVERIFY(dotsOnTop(place) > place.width() / 3);
        QCOMPARE(dotsOnTop(place.translated(0, place.height() + 5)), 0);
    }
};

QTEST_MAIN(KeyboardXTest)
#include "keyboard_xtest.moc"
