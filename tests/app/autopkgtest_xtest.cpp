#include "tests/support/StagedInstall.h"

#include <QProcess>
#include <QTest>

// The package's autopkgtest as `make test` runs it: the same script, on the
// test's X server, against the build installed as the package lays it out.
class AutopkgtestXTest : public QObject {
    Q_OBJECT

private slots:
    void aNewPlayersGameIsStoredOnAStagedInstall()
    {
        const StagedInstall install;
        QVERIFY(install.staged);
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral(PELIKOR_PYTHON),
                     {QStringLiteral(SOURCE_DIR "/debian/tests/play-optional-game"), install.program()});
        QVERIFY(script.waitForFinished(300000));
        QCOMPARE(script.exitStatus(), QProcess::NormalExit);
        QCOMPARE(script.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(AutopkgtestXTest)
#include "autopkgtest_xtest.moc"
