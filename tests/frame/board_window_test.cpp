#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "pictures/BoardPicture.h"
#include "setup/core/Games.h"
#include "tests/support/ShellFixture.h"
#include "widgets/HemisphereButton.h"

#include <QFrame>
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>

#include <utility>
#include <vector>

using pelikor::PositionSet;

namespace {

constexpr ColourNumber kNormal = 8421631;
constexpr ColourNumber kSelected = 16744703;

// A known solution of the standard game with the centre empty:
// (peg clicked, hole pressed), ending with one peg in the centre.
const std::vector<std::pair<int, int>> kSolution = {
    {5, 17}, {8, 10}, {1, 9}, {3, 1}, {10, 8}, {7, 9}, {11, 3}, {13, 11}, {16, 4}, {1, 9}, {14, 16},
    {16, 4}, {18, 16}, {20, 18}, {18, 6}, {3, 11}, {23, 9}, {4, 16}, {21, 23}, {24, 22}, {30, 18},
    {27, 25}, {31, 23}, {16, 28}, {33, 31}, {31, 23}, {22, 24}, {24, 26}, {11, 25}, {26, 24}, {29, 17},
};

PositionSet standardGame()
{
    return pelikor::standardLayout().occupied;
}

} // namespace

// Drives the main window the way a player does: mouse events go to the
// window and find their control by the window system's own hit testing.
class BoardWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> shell;
    Settings* settings = nullptr;
    MainWindow* window = nullptr;
    QWidget* boardPanel = nullptr;
    QTimer* monitor = nullptr;

    HemisphereButton* peg(const char* family, int n) const
    {
        return window->findChild<HemisphereButton*>(QStringLiteral("%1%2").arg(QLatin1String(family)).arg(n));
    }
    QWidget* hole(int n) const { return window->findChild<QWidget*>(QStringLiteral("hole%1").arg(n)); }
    QLabel* label(const char* name) const { return window->findChild<QLabel*>(QLatin1String(name)); }

    // Presses (and releases) a mouse button at a point of the board panel.
    void clickOnBoard(QPoint atPanel, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint atWindow = boardPanel->mapTo(window, atPanel);
        QTest::mouseClick(window->windowHandle(), button, Qt::NoModifier, atWindow);
    }
    void clickPeg(int n) { clickOnBoard(peg("peg", n)->geometry().center()); }
    void pressHole(int n, Qt::MouseButton button = Qt::LeftButton) { clickOnBoard(hole(n)->geometry().center(), button); }

    int shownPegs() const
    {
        int count = 0;
        for (int n = 1; n <= pelikor::kPositionCount; ++n)
            count += !peg("peg", n)->isHidden();
        return count;
    }

    void verifyTwinsFollowPegs() const
    {
        const pelikor::Board& board = window->boardPanel().board();
        QCOMPARE(board.twins(), board.pegs());
        for (int n = 1; n <= pelikor::kPositionCount; ++n)
            QCOMPARE(peg("peg", n)->isHidden(), !board.hasPeg(n));
    }

private slots:
    void init()
    {
        // The cue files of the build's application folder, played nowhere.
        shell = std::make_unique<ShellFixture>();
        settings = &shell->settings;
        window = new MainWindow(shell->services);
        // The clicks are tested against the jump rule alone; the monitor's
        // own tests run it.
        monitor = window->findChild<QTimer*>(QStringLiteral("monitorTimer"));
        QVERIFY(monitor);
        monitor->stop();
        shell->cues.clear();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        boardPanel = window->findChild<QWidget*>(QStringLiteral("boardPanel"));
        QVERIFY(boardPanel);
    }

    void cleanup() { delete window; }

    // The monitor sleeps while nothing it reads can change, and each of its
    // inputs wakes it for one look.
    void monitorWakesOnlyWhenAnInputMayHaveChanged_data()
    {
        QTest::addColumn<int>("input");
        QTest::newRow("selection") << 0;
        QTest::newRow("jump") << 1;
        QTest::newRow("new game") << 2;
        QTest::newRow("board hidden") << 3;
        QTest::newRow("settings file") << 4;
    }

    void monitorWakesOnlyWhenAnInputMayHaveChanged()
    {
        QFETCH(int, input);
        window->startGame(standardGame(), pelikor::standardGame());
        window->boardPanel().selectPeg(5);
        QSignalSpy checks(monitor, &QTimer::timeout);
        QTRY_VERIFY(!monitor->isActive());
        checks.clear();
        QTest::qWait(50);
        QCOMPARE(checks.count(), 0);

        const std::vector<std::function<void()>> inputs = {
            [&] { window->boardPanel().selectPeg(8); },
            [&] { window->boardPanel().jumpInto(17); },
            [&] { window->startGame(PositionSet({1, 2, 3}), pelikor::optionalGame(1)); },
            [&] { boardPanel->hide(); },
            [&] { settings->write(Settings::kAssistantKey, QStringLiteral("1")); },
        };
        inputs[std::size_t(input)]();
        QTRY_VERIFY(checks.count() > 0);
        QTRY_VERIFY(!monitor->isActive());
        const int looks = int(checks.count());
        QTest::qWait(50);
        QCOMPARE(checks.count(), looks);
    }

    void monitorAnnouncesTheEndWithTheSettingOfItsTick()
    {
        settings->write(Settings::kAssistantKey, QStringLiteral("0"));
        QSignalSpy finished(window, &MainWindow::gameFinished);
        monitor->start();

        // The idle board is full: nothing to announce.
        QTest::qWait(20);
        QCOMPARE(finished.count(), 0);

        window->startGame(PositionSet({17}), pelikor::optionalGame(1));
        QVERIFY(finished.wait(1000));
        QCOMPARE(finished.first().at(0).value<pelikor::Outcome>(), pelikor::Outcome::PerfectFinish);
        QCOMPARE(finished.first().at(1).toString(), QStringLiteral("0"));

        // A change of the file on disk is seen by the next tick.
        settings->write(Settings::kAssistantKey, QStringLiteral("1"));
        finished.clear();
        window->startGame(PositionSet({1, 2, 3}), pelikor::optionalGame(1));
        QVERIFY(finished.wait(1000));
        QCOMPARE(finished.last().at(0).value<pelikor::Outcome>(), pelikor::Outcome::GameOver);
        QCOMPARE(finished.last().at(1).toString(), QStringLiteral("1"));
        // The dead row's twins were pruned; its pegs still show.
        QCOMPARE(window->boardPanel().board().twins(), PositionSet());
        QVERIFY(!peg("peg", 1)->isHidden());
    }

    void monitorLeavesARunningGameAlone()
    {
        QSignalSpy finished(window, &MainWindow::gameFinished);
        window->startGame(standardGame(), pelikor::standardGame());
        monitor->start();
        QTest::qWait(30);
        QCOMPARE(finished.count(), 0);
        verifyTwinsFollowPegs();
    }

    void controlsStandAtTheirPlaces()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Pelikor 2000"));
        QCOMPARE(window->centralWidget()->size(), QSize(402, 446));
        QCOMPARE(boardPanel->geometry(), QRect(3, 29, 396, 392));
        QCOMPARE(label("boardPicture")->geometry(), QRect(1, 1, 394, 390));
        QCOMPARE(label("idleBoard")->geometry(), QRect(48, 106, 305, 300));
        QCOMPARE(label("remainingCaption")->text(), QStringLiteral("Zbylé kameny :"));
        QCOMPARE(label("remainingCaption")->pos(), QPoint(296, 4));
        QCOMPARE(label("remainingLabel")->pos(), QPoint(380, 4));

        // Spot checks against the grid: the corners of the arms and the centre.
        QCOMPARE(peg("peg", 1)->geometry(), QRect(131, 40, 40, 40));
        QCOMPARE(hole(1)->geometry(), QRect(136, 46, 30, 30));
        QCOMPARE(peg("peg", 17)->geometry(), QRect(176, 175, 40, 40));
        QCOMPARE(hole(17)->geometry(), QRect(181, 180, 30, 30));
        QCOMPARE(peg("peg", 33)->geometry(), QRect(221, 310, 40, 40));
        QCOMPARE(hole(33)->geometry(), QRect(226, 315, 30, 30));
        QCOMPARE(peg("decorationPeg", 27)->geometry(), QRect(289, 275, 30, 30));
        for (int n = 1; n <= pelikor::kPositionCount; ++n) {
            QVERIFY2(peg("peg", n)->geometry().contains(hole(n)->geometry()), "a peg covers its hole");
            QCOMPARE(peg("peg", n)->faceColor(), kNormal);
            QCOMPARE(peg("decorationPeg", n)->faceColor(), kNormal);
            QCOMPARE(peg("peg", n)->statusTip(), QStringLiteral("Hrací kámen"));
            QCOMPARE(hole(n)->statusTip(), QStringLiteral("Volný bod"));
        }
        QCOMPARE(boardPanel->statusTip(), QStringLiteral("Hrací pole"));
    }

    // The picture's holes lie exactly under the hole shapes: a stripe
    // shifted by one pixel shows along the left edge, where no peg covers it.
    void boardPictureLiesWhereTheHolesExpectItInsideALoweredBevel()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        const QImage shown = boardPanel->grab().toImage();
        const QImage& picture = pictures::boardPicture();
        const QPoint corner(pictures::kBoardPictureLeft, pictures::kBoardPictureTop);
        for (int x = 0; x < 30; ++x)
            QCOMPARE(shown.pixelColor(corner + QPoint(x, 190)), picture.pixelColor(x, 190));

        // A lowered bevel: shadow at the top and left, highlight at the bottom and right.
        const QColor shadow(128, 128, 128);
        QCOMPARE(shown.pixelColor(0, 100), shadow);
        QCOMPARE(shown.pixelColor(100, 0), shadow);
        QCOMPARE(shown.pixelColor(shown.width() - 1, 100), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(100, shown.height() - 1), QColor(Qt::white));
    }

    void boardIsStackedPictureHolesPegsCursor()
    {
        QStringList order;
        for (QObject* child : boardPanel->children())
            if (child->isWidgetType())
                order << child->objectName();
        QStringList expected{QStringLiteral("boardPicture")};
        for (const char* family : {"hole", "peg"})
            for (int n = 1; n <= pelikor::kPositionCount; ++n)
                expected << QStringLiteral("%1%2").arg(QLatin1String(family)).arg(n);
        // The hint's mark and the keyboard cursor lie over them all and let
        // the mouse through.
        expected << QStringLiteral("hintMark") << QStringLiteral("cursor");
        QCOMPARE(order, expected);
    }

    void programStartShowsTheIdleScreen()
    {
        QVERIFY(boardPanel->isHidden());
        QVERIFY(label("remainingLabel")->isHidden());
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("0"));
        QVERIFY(label("idleBoard")->isVisible());
        QCOMPARE(window->boardPanel().board().twins(), PositionSet::all());
        for (int n = 1; n <= pelikor::kPositionCount; ++n) {
            QVERIFY(!peg("peg", n)->isHidden());
            QVERIFY(peg("decorationPeg", n)->isVisible());
        }
        // With the board hidden a click on a decoration changes nothing.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, peg("decorationPeg", 17)->geometry().center());
        QVERIFY(shell->cues.isEmpty());
        QCOMPARE(window->boardPanel().board().selected(), 0);
    }

    void laidGameShowsBoardCountAndCode()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        QVERIFY(boardPanel->isVisible());
        QVERIFY(peg("peg", 17)->isHidden());
        QCOMPARE(shownPegs(), 32);
        verifyTwinsFollowPegs();
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("32"));
        QVERIFY(label("remainingLabel")->isVisible());
        QCOMPARE(window->gameCode(), QStringLiteral("3"));
        QCOMPARE(window->startCount(), 32);
        // The board covers the decoration.
        QWidget* onTop = window->centralWidget()->childAt(peg("decorationPeg", 9)->geometry().center());
        QVERIFY(onTop == boardPanel || boardPanel->isAncestorOf(onTop));
    }

    void wholeGamePlayedByMouse()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        int remaining = 32;
        for (const auto& [source, target] : kSolution) {
            clickPeg(source);
            QCOMPARE(peg("peg", source)->faceColor(), kSelected);
            pressHole(target);
            --remaining;
            QVERIFY2(peg("peg", source)->isHidden(), qPrintable(QStringLiteral("jump %1 into %2").arg(source).arg(target)));
            QVERIFY(!peg("peg", target)->isHidden());
            QCOMPARE(peg("peg", target)->faceColor(), kNormal);
            QCOMPARE(label("remainingLabel")->text(), QString::number(remaining));
            QCOMPARE(shownPegs(), remaining);
            verifyTwinsFollowPegs();
        }
        QCOMPARE(shownPegs(), 1);
        QVERIFY(!peg("peg", 17)->isHidden());
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("1"));

        QCOMPARE(shell->cues.size(), 62);
        for (int i = 0; i < shell->cues.size(); ++i)
            QCOMPARE(shell->cues[i], QString::fromLatin1(i % 2 ? "Prenos.wav" : "Bod.wav"));
    }

    void anyMouseButtonOnAHoleJumps()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        clickPeg(29);
        pressHole(17, Qt::RightButton);
        QVERIFY(!peg("peg", 17)->isHidden());
        QVERIFY(peg("peg", 24)->isHidden());
        // The emptied holes take the next jump at once, with the middle button.
        clickPeg(22);
        pressHole(24, Qt::MiddleButton);
        QVERIFY(!peg("peg", 24)->isHidden());
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("30"));
    }

    void selectionMovesAndNeverJumps()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        clickPeg(5);
        clickPeg(19);
        QCOMPARE(peg("peg", 5)->faceColor(), kNormal);
        QCOMPARE(peg("peg", 19)->faceColor(), kSelected);
        // Clicking a shown peg right where its hole lies selects it, no jump.
        clickOnBoard(hole(29)->geometry().center());
        QCOMPARE(peg("peg", 29)->faceColor(), kSelected);
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("32"));
        QCOMPARE(shell->cues, QStringList({"Bod.wav", "Bod.wav", "Bod.wav"}));
    }

    void cornerOfAShownPegReachesNeitherPegNorHole()
    {
        // The hole's corner lies outside the peg's circle: the peg lets the
        // press through to the panel, never to the hole beneath, although
        // the jump 29 over 24 into 17 would apply there.
        const QRect place = hole(17)->geometry();
        window->startGame(PositionSet({17, 24, 29}), pelikor::standardGame());
        clickPeg(29);
        shell->cues.clear();
        clickOnBoard(place.topLeft() + QPoint(1, 1));
        QVERIFY(shell->cues.isEmpty());
        QCOMPARE(peg("peg", 29)->faceColor(), kSelected);
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("3"));
    }

    void failingCueLeavesTheControlsShowingTheBoard()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        shell->player->failing = true;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, window->boardPanel().selectPeg(5));
        QCOMPARE(peg("peg", 5)->faceColor(), kSelected);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, window->boardPanel().jumpInto(17));
        QVERIFY(peg("peg", 5)->isHidden());
        QVERIFY(!peg("peg", 17)->isHidden());
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("31"));
        verifyTwinsFollowPegs();
    }

    void holeWithNoApplicableJumpDoesNothing()
    {
        window->startGame(PositionSet({9, 17}), pelikor::optionalGame(1));
        pressHole(1);
        QVERIFY(shell->cues.isEmpty());
        clickPeg(9);
        shell->cues.clear();
        pressHole(1);  // nothing between 9 and 1
        pressHole(25); // far away
        QVERIFY(shell->cues.isEmpty());
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("2"));
        QCOMPARE(peg("peg", 9)->faceColor(), kSelected);
    }

    void landedPegStaysUnselectedUntilClickedAgain()
    {
        window->startGame(PositionSet({9, 4, 2}), pelikor::optionalGame(1));
        clickPeg(9);
        pressHole(1);
        QCOMPARE(peg("peg", 1)->faceColor(), kNormal);
        pressHole(3);
        QVERIFY(peg("peg", 3)->isHidden());
        clickPeg(1);
        pressHole(3);
        QVERIFY(!peg("peg", 3)->isHidden());
        QCOMPARE(label("remainingLabel")->text(), QStringLiteral("1"));
    }

    void randomClicksKeepTheBoardConsistent()
    {
        window->startGame(standardGame(), pelikor::standardGame());
        QRandomGenerator random(20261208);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        for (int i = 0; i < 3000; ++i) {
            // Anywhere on the board; the frame's commands have tests of their own.
            const QPoint at(random.bounded(boardPanel->width()), random.bounded(boardPanel->height()));
            clickOnBoard(at, buttons[random.bounded(3)]);
        }
        // Make the random walk also aim at pegs and holes directly.
        for (int i = 0; i < 2000; ++i) {
            const int n = random.bounded(1, pelikor::kPositionCount + 1);
            if (random.bounded(2))
                clickPeg(n);
            else if (peg("peg", n)->isHidden())
                pressHole(n);
        }
        QCOMPARE(label("remainingLabel")->text(), QString::number(shownPegs()));
        QVERIFY(shownPegs() < 32);
        verifyTwinsFollowPegs();
        int selected = 0;
        for (int n = 1; n <= pelikor::kPositionCount; ++n)
            selected += peg("peg", n)->faceColor() == kSelected;
        QVERIFY(selected <= 1);
    }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
