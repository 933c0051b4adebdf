// A whole game on a real X screen played by the keys alone, as a player
// without a mouse plays it: not one pointer event is sent.
#include "frame/StatusBar.h"
#include "game/BoardPanel.h"
#include "scores/BestTableView.h"
#include "scores/GiveUpQuestion.h"
#include "setup/GameTypeChooser.h"
#include "setup/StandardGameBalloon.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/PositionCursor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

using pelikor::PositionSet;

namespace {

// Keys as the X server delivers them: to the open menu, or else to the
// window that has the keyboard.
void press(std::initializer_list<QKeyCombination> keys)
{
    for (QKeyCombination key : keys) {
        QWidget* popup = QApplication::activePopupWidget();
        QWindow* target = popup ? popup->windowHandle() : QGuiApplication::focusWindow();
        QVERIFY(target);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Dots of the house focus frame, black and white alike, in the screen's
// row two pixels above position n's peg.
int frameDotsAbove(PositionCursor& cursor, int n)
{
    const QRect place(cursor.mapToGlobal(cursor.place(n).topLeft()), cursor.place(n).size());
    const QImage row = QGuiApplication::primaryScreen()->grabWindow(0, place.x(), place.y() - 2, place.width(), 1).toImage();
    int dots[2] = {0, 0};
    for (int x = 0; x < row.width(); ++x)
        for (int white : {0, 1})
            dots[white] += row.pixelColor(x, 0) == (white ? Qt::white : Qt::black);
    return std::min(dots[0], dots[1]);
}

} // namespace

class KeyboardXTest : public QObject {
    Q_OBJECT

private slots:
    void wholeGameByTheKeys()
    {
        ProgramFixture program(QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=0\n"));
        program.start();
        MainWindow& main = program.main();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        // F2, the chooser on its first link, down and up its column, Space.
        press({Qt::Key_F2});
        QTRY_VERIFY(program.windows->gameTypeChooser().isActiveWindow());
        QCOMPARE(focusName(), QStringLiteral("standardLink"));
        press({Qt::Key_Down});
        QCOMPARE(focusName(), QStringLiteral("optionalLink"));
        press({Qt::Key_Up, Qt::Key_Space});

        // The miniature's cursor from the centre up to 10, marked, Enter.
        QTRY_VERIFY(program.windows->standardGameBalloon().isActiveWindow());
        press({Qt::Key_Up, Qt::Key_Space, Qt::Key_Enter});
        QTRY_VERIFY(main.gameRunning() && main.isActiveWindow());
        BoardPanel& board = main.boardPanel();
        QCOMPARE(board.board().pegs(), PositionSet::all() - PositionSet{10});

        // The board's cursor from the centre: 24 over 17 into 10, then 32
        // over 29 into 24; the hint follows the cursor.
        PositionCursor& cursor = board.cursor();
        QTRY_VERIFY(cursor.hasFocus());
        press({Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Up});
        QCOMPARE(board.board().selected(), 24);
        auto* status = program.child<StatusBar>("statusBar");
        QCOMPARE(status->panelText(), QStringLiteral("      Volný bod"));
        press({Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
        QCOMPARE(cursor.position(), 32);
        press({Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
        QCOMPARE(board.board().pegs(), (PositionSet::all() - PositionSet{17, 29, 32}));
        QCOMPARE(main.remainingText(), QStringLiteral("30"));
        QCOMPARE(status->panelText(), QStringLiteral("      Hrací kámen"));
        QVERIFY(frameDotsAbove(cursor, 24) > 10);
        QCOMPARE(frameDotsAbove(cursor, 29), 0);

        // F3: Esc keeps the game, Enter gives it up.
        QWidget& question = program.windows->giveUpQuestion();
        press({Qt::Key_F3});
        QTRY_VERIFY(question.isActiveWindow());
        press({Qt::Key_Escape});
        QTRY_VERIFY(main.isActiveWindow() && main.gameRunning());
        press({Qt::Key_F3});
        QTRY_VERIFY(question.isActiveWindow());
        press({Qt::Key_Enter});
        QTRY_VERIFY(!main.gameRunning() && main.isActiveWindow());

        // The best table by the menu's keys, its pages turned from its Ok.
        press({Qt::ALT | Qt::Key_N});
        QTRY_VERIFY(QApplication::activePopupWidget());
        press({Qt::Key_Z});
        BestTableView& table = program.windows->bestTableView();
        QTRY_VERIFY(table.isActiveWindow());
        QCOMPARE(focusName(), QStringLiteral("okButton"));
        auto* pages = table.findChild<QTabWidget*>(QStringLiteral("pages"));
        const QList<std::pair<QKeyCombination, int>> turns = {
            {Qt::CTRL | Qt::Key_Tab, 1}, {Qt::CTRL | Qt::Key_PageDown, 2}, {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 1},
            {Qt::CTRL | Qt::Key_PageUp, 0}, {Qt::CTRL | Qt::Key_PageUp, 7}, {Qt::CTRL | Qt::Key_Tab, 0}};
        for (const auto& [keys, page] : turns) {
            press({keys});
            QCOMPARE(pages->currentIndex(), page);
        }
        press({Qt::Key_Enter});
        QTRY_VERIFY(table.isHidden());
    }
};

QTEST_MAIN(KeyboardXTest)
#include "keyboard_xtest.moc"
