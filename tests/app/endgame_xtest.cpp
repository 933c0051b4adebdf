#include "frame/THlavniDialog.h"
#include "game/BoardPanel.h"
#include "scores/TDotazKonecDialog.h"
#include "scores/TGratulujiDialog.h"
#include "scores/TVysledekDialog.h"
#include "setup/THraDialog.h"
#include "setup/TStandardDialog.h"
#include "setup/TVyberDialog.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TypeText.h"
#include "widgets/THemisphereButton.h"
#include "widgets/TOfficeButton.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <utility>
#include <vector>

namespace {

// A standard game from the full board less the centre, cleared to one peg
// in the centre: each move is the peg clicked and the hole it jumps into.
const std::vector<std::pair<int, int>> kPerfectStandardGame = {
    {5, 17},  {8, 10},  {1, 9},   {3, 1},   {10, 8},  {7, 9},   {11, 3},  {13, 11}, {16, 4},  {1, 9},   {14, 16},
    {16, 4},  {18, 16}, {20, 18}, {18, 6},  {3, 11},  {23, 9},  {4, 16},  {21, 23}, {24, 22}, {30, 18}, {27, 25},
    {31, 23}, {16, 28}, {33, 31}, {31, 23}, {22, 24}, {24, 26}, {11, 25}, {26, 24}, {29, 17},
};

// The records of the table file as an independent dBASE reader sees them:
// name, count, game code and ISO date, one line each.
QStringList recordsOnDisk(const QString& applicationDir)
{
    QProcess python;
    python.setProcessEnvironment([] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
        return environment;
    }());
    python.start(QStringLiteral(PELIKOR_PYTHON),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, dbfread\n"
                                 "for r in dbfread.DBF(sys.argv[1], encoding='cp1250'):\n"
                                 "    print('%s|%s|%s|%s' % (r['JMENO'], r['TAHY'], r['HRA'], r['DATUM'].isoformat()))\n"),
                  applicationDir + QStringLiteral("Data/Pelkor.dbf")});
    if (!python.waitForFinished() || python.exitCode() != 0)
        return {QStringLiteral("reader failed: ") + QString::fromUtf8(python.readAllStandardError())};
    return QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void click(QWidget& parent, const QString& name)
{
    auto* control = parent.findChild<QWidget*>(name);
    QVERIFY2(control && control->isVisible(), qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
}

// Clicks a window at a point of its own coordinates, where the screen
// shows that window.
void clickAt(QWidget& window, QPoint at)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QApplication::topLevelAt(window.mapToGlobal(at)), &window);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// Where the balloons of a new game take the player's clicks.
constexpr QPoint kStandardChoice(40, 40);
constexpr QPoint kOptionalChoice(40, 56);
constexpr QPoint kMiniatureCentre(42 + 16 * 3 + 7, 65 + 15 * 3 + 7);
constexpr QPoint kStandardOk(29 + 32, 182 + 10);
constexpr QPoint kThirdPicture(103 + 20, 40 + 20);

// A game started as a player starts one: F2, then the mouse on the chooser
// and on the dialog of the choice.
void startByMouse(ProgramFixture& program, QPoint choice, const QList<QPoint>& clicks)
{
    program.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.main()));
    QTest::keyClick(program.main().windowHandle(), Qt::Key_F2);
    TVyberDialog& chooser = program.windows->VyberDialog();
    QTRY_VERIFY(chooser.isVisible());
    clickAt(chooser, choice);
    QWidget& step = choice == kStandardChoice ? static_cast<QWidget&>(program.windows->StandardDialog())
                                              : program.windows->HraDialog();
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
        BoardPanel& board = program.main().Plocha();
        for (const auto& [peg, hole] : kPerfectStandardGame) {
            click(board, QStringLiteral("K%1").arg(peg));
            click(board, QStringLiteral("B%1").arg(hole));
            QTest::qWait(2); // the monitor looks at every position on the way
        }
        TGratulujiDialog& gratuluji = program.windows->GratulujiDialog();
        QTRY_VERIFY(gratuluji.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&gratuluji));
        click(gratuluji, QStringLiteral("OfficeButton1"));

        TVysledekDialog& vysledek = program.windows->VysledekDialog();
        QTRY_VERIFY(vysledek.isVisible());
        auto* name = vysledek.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QVERIFY(name->isEnabled());
        typeText(name, QStringLiteral("Žofie Šťastná"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(vysledek.isHidden());
        const QStringList stored{QStringLiteral("Žofie Šťastná|1|3|") + QDate::currentDate().toString(Qt::ISODate)};
        QCOMPARE(recordsOnDisk(program.applicationDir), stored);

        // A second run of the program on the same folder gives a game up.
        program.windows.reset();
        program.windows = std::make_unique<PelikorWindows>(program.applicationDir,
                                                           std::make_unique<RecordingCuePlayer>(program.cues));
        program.start();
        startByMouse(program, kOptionalChoice, {kThirdPicture});
        QCOMPARE(program.main().gameCode(), QStringLiteral("8"));
        click(program.main().Plocha(), QStringLiteral("K9"));
        click(program.main().Plocha(), QStringLiteral("B1"));
        // F3 reaches the menu's command through the active window.
        program.main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.main()));
        QTest::keyClick(&program.main(), Qt::Key_F3);
        TDotazKonecDialog& question = program.windows->DotazKonecDialog();
        QTRY_VERIFY(question.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        click(question, QStringLiteral("OfficeButton1"));
        QVERIFY(question.isHidden());
        QVERIFY(!program.main().gameRunning());
        QTest::qWait(20);
        QVERIFY(program.windows->VysledekDialog().isHidden());
        QCOMPARE(recordsOnDisk(program.applicationDir), stored);
    }
};

QTEST_MAIN(EndgameXTest)
#include "endgame_xtest.moc"
