#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/GiveUpQuestion.h"
#include "scores/CongratulationBalloon.h"
#include "scores/ResultBalloon.h"
#include "setup/OptionalGameChooser.h"
#include "setup/StandardGameBalloon.h"
#include "setup/GameTypeChooser.h"
#include "tests/support/PerfectGame.h"
#include "tests/support/RecordsOnDisk.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TestWindowManager.h"
#include "tests/support/TypeText.h"
#include "widgets/HemisphereButton.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QTest>

namespace {

void click(QWidget& parent, const QString& name)
{
    auto* control = parent.findChild<QWidget*>(name);
    QVERIFY2(control && control->isVisible(), qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
}

// Clicks a window at a point of its own coordinates, once the screen shows
// that window there (a window manager places a new window a moment later).
void clickAt(QWidget& window, QPoint at)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(QApplication::topLevelAt(window.mapToGlobal(at)), &window);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// A game started as a player starts one: F2, then the mouse on the chooser
// and on the dialog of the choice.
void startByMouse(ProgramFixture& program, QPoint choice, const QList<QPoint>& clicks)
{
    program.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.main()));
    QTest::keyClick(program.main().windowHandle(), Qt::Key_F2);
    GameTypeChooser& chooser = program.windows->gameTypeChooser();
    QTRY_VERIFY(chooser.isVisible());
    clickAt(chooser, choice);
    QWidget& step = choice == kStandardChoice ? static_cast<QWidget&>(program.windows->standardGameBalloon())
                                              : program.windows->optionalGameChooser();
    QTRY_VERIFY(step.isVisible());
    for (QPoint at : clicks)
        clickAt(step, at);
    QTRY_VERIFY(program.main().gameRunning() && program.main().isEnabled());
}

} // namespace

// The whole program on a real X server, played by the mouse and the keys.
class EndgameXTest : public QObject {
    Q_OBJECT

private slots:
    void perfectGameIsStoredAndAGivenUpOneIsNot()
    {
        ProgramFixture program;
        program.start();
        startByMouse(program, kStandardChoice, {kMiniatureCentre, kStandardOk});
        BoardPanel& board = program.main().boardPanel();
        for (const auto& [peg, hole] : kPerfectStandardGame) {
            click(board, QStringLiteral("peg%1").arg(peg));
            click(board, QStringLiteral("hole%1").arg(hole));
            QTest::qWait(2); // the monitor looks at every position on the way
        }
        CongratulationBalloon& congratulation = program.windows->congratulationBalloon();
        QTRY_VERIFY(congratulation.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&congratulation));
        click(congratulation, QStringLiteral("okButton"));

        ResultBalloon& resultBalloon = program.windows->resultBalloon();
        QTRY_VERIFY(resultBalloon.isVisible());
        auto* name = resultBalloon.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        QVERIFY(name->isEnabled());
        typeText(name, QStringLiteral("Žofie Šťastná"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(resultBalloon.isHidden());
        const QStringList stored{QStringLiteral("Žofie Šťastná|1|3|") + QDate::currentDate().toString(Qt::ISODate)};
        QCOMPARE(recordsOnDisk(program.applicationDir), stored);

        // A second run of the program on the same folder gives a game up.
        program.windows.reset();
        program.windows = std::make_unique<PelikorWindows>(program.applicationDir,
                                                           std::make_unique<RecordingCuePlayer>(program.cues));
        program.start();
        startByMouse(program, kOptionalChoice, {kThirdPicture});
        QCOMPARE(program.main().gameCode(), QStringLiteral("8"));
        click(program.main().boardPanel(), QStringLiteral("peg9"));
        click(program.main().boardPanel(), QStringLiteral("hole1"));
        // F3 reaches the menu's command through the active window.
        program.main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.main()));
        QTest::keyClick(&program.main(), Qt::Key_F3);
        GiveUpQuestion& question = program.windows->giveUpQuestion();
        QTRY_VERIFY(question.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        click(question, QStringLiteral("yesButton"));
        QVERIFY(question.isHidden());
        QVERIFY(!program.main().gameRunning());
        QTest::qWait(20);
        QVERIFY(program.windows->resultBalloon().isHidden());
        QCOMPARE(recordsOnDisk(program.applicationDir), stored);
    }
};

PELIKOR_XTEST_MAIN(EndgameXTest)
#include "endgame_xtest.moc"
