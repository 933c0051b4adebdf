#include "pictures/ProgramIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The install of the build into temporary folders, as `make install` runs
// it, with a home folder of the test's own.

namespace {

struct Run {
    int exitCode;
    QString output;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The one argument of an Exec value in double quotes, read back by the
// rules of desktop entries: the value's escapes first, then the quoting's.
QString execArgument(const QString& value)
{
    QString unescaped;
    for (int i = 0; i < value.size(); ++i)
        unescaped += value[i] == QLatin1Char('\\') && i + 1 < value.size() ? value[++i] : value[i];
    if (unescaped.size() < 2 || !unescaped.startsWith(QLatin1Char('"')) || !unescaped.endsWith(QLatin1Char('"')))
        return QString();
    QString argument;
    const QString quoted = unescaped.mid(1, unescaped.size() - 2);
    for (int i = 0; i < quoted.size(); ++i)
        argument += quoted[i] == QLatin1Char('\\') && i + 1 < quoted.size() ? quoted[++i] : quoted[i];
    return argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

// The entry's keys as a desktop reads them, in UTF-8.
QMap<QString, QString> entryKeys(const QString& path)
{
    QMap<QString, QString> keys;
    const QList<QByteArray> lines = readFile(path).split('\n');
    for (const QByteArray& line : lines) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    return keys;
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        home_ = root_->path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(home_));
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("HOME"), home_);
        environment_.remove(QStringLiteral("XDG_DATA_HOME"));
        environment_.remove(QStringLiteral("DESTDIR"));
    }

    // For one user: the application folder where it was asked for, a menu
    // entry that starts it, and the icon in every size.
    void perUserInstallGetsEntryAndIcons_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("dataHome");
        QTest::newRow("make install's default") << QStringLiteral(".local/share/Pelikor2000") << QString();
        QTest::newRow("odd folder name, own data folder")
            << QStringLiteral("Hry a \"kvízy\"/50 % $HOME `x`") << QStringLiteral("data");
    }
    void perUserInstallGetsEntryAndIcons()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, dataHome);
        prefix = home_ + QLatin1Char('/') + prefix;
        QString data = home_ + QStringLiteral("/.local/share");
        if (!dataHome.isEmpty()) {
            data = home_ + QLatin1Char('/') + dataHome;
            environment_.insert(QStringLiteral("XDG_DATA_HOME"), data);
        }
        QVERIFY(install(prefix));

        for (const char* file : {"Data/Pelkor.dbf", "Data/Pelkor.mdx", "Data/Zaloha/Pelkor.dbf",
                                 "Data/Zaloha/Pelkor.Mdx", "Zvuky/PomocnikStart.wav", "Zvuky/Bod.wav"})
            QVERIFY2(QFileInfo::exists(prefix + QLatin1Char('/') + QLatin1String(file)), file);
        QVERIFY(QFileInfo(prefix + QStringLiteral("/Pelikor2000")).isExecutable());

        const QString entry = data + QStringLiteral("/applications/pelikor2000.desktop");
        const Run validation = run(QStringLiteral("desktop-file-validate"), {entry}, environment_);
        QVERIFY2(validation.exitCode == 0 && validation.output.isEmpty(), qPrintable(validation.output));
        const QMap<QString, QString> keys = entryKeys(entry);
        QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Pelikor 2000"));
        QCOMPARE(keys.value(QStringLiteral("Comment")), QStringLiteral("Hlavolam se skákajícími kameny"));
        QCOMPARE(keys.value(QStringLiteral("Categories")), QStringLiteral("Game;BoardGame;"));
        QCOMPARE(keys.value(QStringLiteral("Icon")), QStringLiteral("pelikor2000"));
        QCOMPARE(execArgument(keys.value(QStringLiteral("Exec"))), prefix + QStringLiteral("/Pelikor2000"));

        for (const int size : pictures::kProgramIconSizes) {
            const QString icon = data + QStringLiteral("/icons/hicolor/%1x%1/apps/pelikor2000.png").arg(size);
            const QImage picture(icon);
            QCOMPARE(picture.size(), QSize(size, size));
            QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32),
                     pictures::programIconImage(size).convertToFormat(QImage::Format_ARGB32));
        }
    }

    // Installing again brings the program's own files back and leaves the
    // player's table and settings as the player left them.
    void secondInstallKeepsTableAndSettings()
    {
        const QString prefix = home_ + QStringLiteral("/.local/share/Pelikor2000");
        QVERIFY(install(prefix));
        const QByteArray table = readFile(prefix + QStringLiteral("/Data/Pelkor.dbf")) + "hráčův výsledek";
        const QByteArray index = readFile(prefix + QStringLiteral("/Data/Pelkor.mdx")) + "index";
        const QByteArray settings = "[Nastaveni]\r\nPomocnik=0\r\nUvitani=0\r\n";
        writeFile(prefix + QStringLiteral("/Data/Pelkor.dbf"), table);
        writeFile(prefix + QStringLiteral("/Data/Pelkor.mdx"), index);
        writeFile(prefix + QStringLiteral("/Kolvex.ini"), settings);
        QVERIFY(QFile::remove(prefix + QStringLiteral("/Zvuky/Bod.wav")));

        QVERIFY(install(prefix));
        QCOMPARE(readFile(prefix + QStringLiteral("/Data/Pelkor.dbf")), table);
        QCOMPARE(readFile(prefix + QStringLiteral("/Data/Pelkor.mdx")), index);
        QCOMPARE(readFile(prefix + QStringLiteral("/Kolvex.ini")), settings);
        QVERIFY(QFileInfo::exists(prefix + QStringLiteral("/Zvuky/Bod.wav")));
    }

    // An install for everyone, outside the home folder, leaves the user's
    // menu alone; a staged one, as a package is built, writes nothing to
    // its prefix either.
    void installOutsideTheHomeFolderMakesNoEntry()
    {
        for (const bool staged : {false, true}) {
            const QString prefix = root_->path() + (staged ? QStringLiteral("/opt/Staged") : QStringLiteral("/opt/Pelikor2000"));
            const QString stage = staged ? root_->path() + QStringLiteral("/stage") : QString();
            if (staged)
                environment_.insert(QStringLiteral("DESTDIR"), stage);
            QVERIFY(install(prefix));
            for (const char* file : {"Pelikor2000", "Data/Pelkor.dbf", "Data/Zaloha/Pelkor.dbf"})
                QVERIFY2(QFileInfo::exists(stage + prefix + QLatin1Char('/') + QLatin1String(file)), file);
            QCOMPARE(QFileInfo::exists(prefix), !staged);
        }
        QVERIFY(!QFileInfo::exists(home_ + QStringLiteral("/.local/share/applications")));
        QVERIFY(!QFileInfo::exists(home_ + QStringLiteral("/.local/share/icons")));
    }

private:
    bool install(const QString& prefix)
    {
        const Run result = run(QStringLiteral(CMAKE_COMMAND),
                               {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), prefix},
                               environment_);
        if (result.exitCode != 0)
            qWarning("%s", qPrintable(result.output));
        return result.exitCode == 0;
    }

    std::unique_ptr<QTemporaryDir> root_;
    QString home_;
    QProcessEnvironment environment_;
};

QTEST_MAIN(InstallTest)
#include "install_test.moc"
