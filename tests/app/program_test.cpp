#include "app/CursorBlinkLimit.h"
#include "app/PelikorApplication.h"
#include "app/PelikorWindows.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/BestTableModule.h"
#include "scores/ResultBalloon.h"
#include "services/ModuleCuePlayer.h"
#include "services/Settings.h"
#include "setup/core/Games.h"
#include "tests/support/BestTableFolder.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStyleHints>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs a step that ends in the error report's modal box, reads the box and
// closes it as a player would; returns its text, empty when none came.
QString reportOf(const std::function<void()>& step)
{
    QString reported;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&reported] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported = box->text();
            box->accept();
        }
    });
    closer.start(10);
    step();
    return QTest::qWaitFor([&reported] { return !reported.isEmpty(); }, 5000) ? reported : QString();
}

int caughtInDelivery()
{
    return static_cast<PelikorApplication*>(qApp)->caughtInDelivery();
}

} // namespace

// The whole program built on a temporary application folder, with the
// real cue player, as the entry builds it.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // A cursor left alone stops blinking, and blinks again at the next key;
    // the desktop's period is kept through it.
    void cursorBlinksOnlyForAWhileAfterTheLastKey()
    {
        QStyleHints* hints = QGuiApplication::styleHints();
        const int desktop = hints->cursorFlashTime();
        QVERIFY(desktop > 0);
        QLineEdit field;
        {
            const CursorBlinkLimit limit(30);
            QTRY_COMPARE(hints->cursorFlashTime(), 0);
            QTest::keyClick(&field, Qt::Key_A);
            QCOMPARE(hints->cursorFlashTime(), desktop);
            QTRY_COMPARE(hints->cursorFlashTime(), 0);
        }
        QCOMPARE(hints->cursorFlashTime(), desktop);
    }

    void startsShowsAndPlaysOnAFolderOfItsOwn()
    {
        QTemporaryDir folder;
        const QString applicationDir = folder.path() + QLatin1Char('/');
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Zvuky")));
        layOutBestTable(applicationDir);
        // A cue file that is no sound at all must not disturb the game.
        QFile bogus(applicationDir + QStringLiteral("Zvuky/Bod.wav"));
        QVERIFY(bogus.open(QIODevice::WriteOnly));
        bogus.write("not a sound");
        bogus.close();

        PelikorWindows windows(applicationDir, std::make_unique<ModuleCuePlayer>(qEnvironmentVariable("PELIKOR_TEST_APP_DIR").toStdString()));
        windows.show();
        MainWindow& main = windows.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.windowTitle(), QStringLiteral("Pelikor 2000"));

        const pelikor::GameLayout standard = pelikor::standardLayout();
        main.startGame(standard.occupied, standard.game);
        main.boardPanel().selectPeg(5);
        main.boardPanel().jumpInto(pelikor::kCentre);
        QCOMPARE(main.boardPanel().board().remaining(), 31);
        // Every cue leaves the current directory at the application folder.
        QCOMPARE(QDir::current().absolutePath(), QDir(applicationDir).absolutePath());
        QTest::qWait(50);
    }

    // A handler that fails is reported in a message box and the program
    // goes on: here a settings write into a folder that is in the way.
    void failingHandlerIsReportedAndTheProgramGoesOn()
    {
        QTemporaryDir folder;
        const QString applicationDir = folder.path() + QLatin1Char('/');
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Kolvex.ini")));
        Settings settings(applicationDir);
        const int caughtBefore = caughtInDelivery();

        const QString reported = reportOf([&settings] {
            QTimer::singleShot(0, [&settings] { settings.write(Settings::kAssistantKey, QStringLiteral("1")); });
        });
        QCOMPARE(reported, QStringLiteral("Unable to write to ") + applicationDir + QStringLiteral("Kolvex.ini"));
        QCOMPARE(caughtInDelivery(), caughtBefore + 1);

        bool wentOn = false;
        QTimer::singleShot(0, [&wentOn] { wentOn = true; });
        QTRY_VERIFY(wentOn);
    }

    // A store that fails is reported by the result window that called it,
    // though its Ok came through the event delivery: nothing reaches the
    // last guard, and the window stays open for another try.
    void aFailingStoreIsReportedByItsWindow()
    {
        QTemporaryDir folder;
        const QString applicationDir = folder.path() + QLatin1Char('/');
        layOutBestTable(applicationDir);
        PelikorWindows windows(applicationDir, std::make_unique<ModuleCuePlayer>(std::string()));
        ResultBalloon& result = windows.resultBalloon();
        result.setResult({.game = pelikor::standardGame(), .remaining = 1});
        result.showDialog();
        auto* name = result.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        QVERIFY(name->isEnabled());
        QTest::keyClicks(name, QStringLiteral("Vytrvaly"));
        windows.bestTableModule().table.setWriteHooks(
            {[](const std::filesystem::path&, std::size_t) { throw std::runtime_error("Disk full"); }, {}});
        const int caughtBefore = caughtInDelivery();

        const QString reported = reportOf([name] { QTest::keyClick(name, Qt::Key_Return); });
        QVERIFY2(reported.contains(QStringLiteral("Pelkor.mdx")), qPrintable(reported));
        QCOMPARE(caughtInDelivery(), caughtBefore);
        QVERIFY(result.isVisible());
    }
};

// The program's own application object, so that its error report is the
// one under test.
int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    ProgramTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "program_test.moc"
