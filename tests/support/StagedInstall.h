#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The build installed as a package build stages it, under DESTDIR for the
// prefix /usr, in a temporary folder every user may read, so that players
// of other user ids can run it. The test that stages names the build with
// CMAKE_COMMAND and BUILD_DIR, and holds the lock build_install: the build
// may be installed once at a time.
struct StagedInstall {
    QTemporaryDir root;
    QString stage = root.path() + QStringLiteral("/stage");
    bool staged = install(root, stage);

    QString program() const { return stage + QStringLiteral("/usr/games/pelikor2000"); }

private:
    static bool install(const QTemporaryDir& root, const QString& stage)
    {
        if (!root.isValid()
            || !QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFile::ReadOther | QFile::ExeOther))
            return false;
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), stage);
        install.setProcessEnvironment(environment);
        install.start(QStringLiteral(CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                                                      QStringLiteral("--prefix"), QStringLiteral("/usr")});
        return install.waitForFinished(120000) && install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
    }
};
