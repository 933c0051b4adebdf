#include "MultimediaCuePlayer.h"
#include "PelikorWindows.h"
#include "THlavniDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The whole program built on a temporary application folder, with the
// real cue player, as the entry builds it.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void startsShowsAndPlaysOnAFolderOfItsOwn()
    {
        QTemporaryDir folder;
        const QString applicationDir = folder.path() + QLatin1Char('/');
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Zvuky")));
        // A cue file that is no sound at all must not disturb the game.
        QFile bogus(applicationDir + QStringLiteral("Zvuky/Bod.wav"));
        QVERIFY(bogus.open(QIODevice::WriteOnly));
        bogus.write("not a sound");
        bogus.close();

        PelikorWindows windows(applicationDir, std::make_unique<MultimediaCuePlayer>());
        windows.show();
        THlavniDialog& main = windows.HlavniDialog();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.windowTitle(), QStringLiteral("Pelikor 2000"));

        pelikor::PositionSet standard = pelikor::PositionSet::all();
        standard.erase(pelikor::kCentre);
        main.StartGame(standard, QStringLiteral("3"));
        main.KClick(5);
        main.BMouseDown(pelikor::kCentre);
        QCOMPARE(main.board().remaining(), 31);
        // Every cue leaves the current directory at the application folder.
        QCOMPARE(QDir::current().absolutePath(), QDir(applicationDir).absolutePath());
        QTest::qWait(50);
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
