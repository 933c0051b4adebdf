#include "pictures/ProgramIcon.h"
#include "tests/support/FolderTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The install of the build as a package build stages it and as `make
// install` and `make uninstall` lay it out for one player, with a home
// folder of the test's own; and the installed program's answers on the
// terminal.

namespace {

const QString kAppId = QStringLiteral("cz.kolvex.Pelikor2000");

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
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
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
        environment_.remove(QStringLiteral("DESTDIR"));
    }

    // Staged under /usr as a package is built: every file where Debian
    // wants it, each passing the check Debian makes of it, and every one in
    // the install manifest.
    void stagedInstallHasTheLayoutAndPassesTheChecks()
    {
        const QString stage = root_->path() + QStringLiteral("/stage");
        environment_.insert(QStringLiteral("DESTDIR"), stage);
        QVERIFY(install(QStringLiteral("/usr")));

        const QString data = QStringLiteral("usr/share/games/pelikor2000/");
        QStringList expected{QStringLiteral("usr/games/pelikor2000"),
                             QStringLiteral("usr/" SOUND_MODULE),
                             QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId),
                             QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId),
                             QStringLiteral("usr/share/man/man6/pelikor2000.6"),
                             QStringLiteral("usr/share/man/cs/man6/pelikor2000.6"),
                             QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId),
                             data + QStringLiteral("Kolvex.ini"),
                             data + QStringLiteral("Data/Zaloha/Pelkor.dbf"),
                             data + QStringLiteral("Data/Zaloha/Pelkor.Mdx")};
        for (const char* cue : {"Bod", "Prenos", "Dialog", "Dotaz", "PomocnikStart", "PomocnikKonec"})
            expected << data + QStringLiteral("Zvuky/%1.wav").arg(QLatin1String(cue));
        for (const int size : pictures::kProgramIconSizes)
            expected << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
        // The manual ships whole, as the build lays it out.
        const QStringList manualPages = folderTree(QStringLiteral(APP_DIR "/Html"), true);
        QVERIFY(manualPages.contains(QStringLiteral("Pelkor2000/Index.htm")));
        for (const QString& page : manualPages)
            expected << data + QStringLiteral("Html/") + page;
        const QStringList translations = folderTree(QStringLiteral(APP_DIR "/translations"), true);
        QVERIFY(translations.contains(QStringLiteral("pelikor_en.qm")));
        for (const QString& translation : translations)
            expected << data + QStringLiteral("translations/") + translation;
        expected.sort();
        QCOMPARE(folderTree(stage, true), expected);
        QStringList manifest = QString::fromUtf8(readFile(QStringLiteral(BUILD_DIR "/install_manifest.txt")))
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .replaceInStrings(QRegularExpression(QStringLiteral("^/")), QString());
        manifest.sort();
        QCOMPARE(manifest, expected);

        const QString entry = stage + QStringLiteral("/usr/share/applications/%1.desktop").arg(kAppId);
        const QString metainfo = stage + QStringLiteral("/usr/share/metainfo/%1.metainfo.xml").arg(kAppId);
        const QString manual = stage + QStringLiteral("/usr/share/man/man6/pelikor2000.6");
        const QString czechManual = stage + QStringLiteral("/usr/share/man/cs/man6/pelikor2000.6");
        const QList<QStringList> checks{{QStringLiteral("desktop-file-validate"), entry},
                                        {QStringLiteral("appstreamcli"), QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo},
                                        {QStringLiteral("mandoc"), QStringLiteral("-T"), QStringLiteral("lint"), QStringLiteral("-W"), QStringLiteral("warning"), manual},
                                        {QStringLiteral("mandoc"), QStringLiteral("-T"), QStringLiteral("lint"), QStringLiteral("-W"), QStringLiteral("warning"), czechManual}};
        for (const QStringList& check : checks) {
            const Run result = run(check.first(), check.mid(1), environment_);
            QVERIFY2(result.exitCode == 0, qPrintable(check.first() + QLatin1Char(' ') + result.output));
            QVERIFY2(check.first() == QStringLiteral("appstreamcli") || result.output.isEmpty(), qPrintable(result.output));
        }

        const QMap<QString, QString> keys = entryKeys(entry);
        QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Pelikor 2000"));
        QCOMPARE(keys.value(QStringLiteral("Comment[cs]")), QStringLiteral("Hlavolam se skákajícími kameny"));
        for (const char* key : {"GenericName", "GenericName[cs]", "Comment", "Keywords", "Keywords[cs]"})
            QVERIFY2(!keys.value(QLatin1String(key)).isEmpty(), key);
        QCOMPARE(keys.value(QStringLiteral("Categories")), QStringLiteral("Game;BoardGame;"));
        QCOMPARE(keys.value(QStringLiteral("Icon")), kAppId);
        QCOMPARE(keys.value(QStringLiteral("StartupWMClass")), QStringLiteral("Pelikor 2000"));
        QCOMPARE(execArgument(keys.value(QStringLiteral("Exec"))), QStringLiteral("/usr/games/pelikor2000"));
        QCOMPARE(readFile(stage + QLatin1Char('/') + data + QStringLiteral("Kolvex.ini")),
                 QByteArray("[Nastaveni]\r\nPomocnik=1\r\nUvitani=1\r\n"));

        for (const int size : pictures::kProgramIconSizes) {
            const QImage picture(stage + QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
            QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32),
                     pictures::programIconImage(size).convertToFormat(QImage::Format_ARGB32));
        }
    }

    // For one player under the home folder, `make install`'s default prefix
    // and one of an odd name: the menu entry starts the installed program,
    // and the uninstall takes away exactly what the install laid out under
    // the prefix, leaving the player's own files and an earlier install's
    // folder.
    void installAndUninstallForOnePlayer_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("make install's default") << QStringLiteral(".local");
        QTest::newRow("odd folder name") << QStringLiteral("Hry a \"kvízy\"/50 % $HOME `x`");
    }
    void installAndUninstallForOnePlayer()
    {
        QFETCH(QString, prefix);
        prefix = home_ + QLatin1Char('/') + prefix;
        writeFile(home_ + QStringLiteral("/.config/pelikor2000/Kolvex.ini"), "[Nastaveni]\r\nPomocnik=0\r\n");
        writeFile(home_ + QStringLiteral("/.local/share/pelikor2000/Data/Pelkor.dbf"), "hráčův výsledek");
        writeFile(home_ + QStringLiteral("/.local/share/Pelikor2000/Data/Pelkor.dbf"), "dřívější výsledek");
        writeFile(home_ + QStringLiteral("/.local/share/applications/jiny.desktop"), "[Desktop Entry]\n");
        QVERIFY(QDir().mkpath(prefix));
        const QStringList before = folderTree(home_);

        QVERIFY(install(prefix));
        const QMap<QString, QString> keys = entryKeys(prefix + QStringLiteral("/share/applications/%1.desktop").arg(kAppId));
        const QString program = execArgument(keys.value(QStringLiteral("Exec")));
        QCOMPARE(program, prefix + QStringLiteral("/games/pelikor2000"));
        QVERIFY(QFileInfo(program).isExecutable());

        const Run uninstall = run(QStringLiteral(SOURCE_DIR "/scripts/uninstall"), {QStringLiteral(BUILD_DIR), prefix}, environment_);
        QVERIFY2(uninstall.exitCode == 0, qPrintable(uninstall.output));
        QCOMPARE(folderTree(home_), before);
    }

    // The metainfo names the program's pages, and the screenshots under
    // them, only when the build is told where they are published, and
    // passes Debian's check either way.
    void metainfoNamesPagesOnlyWhereTheyArePublished_data()
    {
        QTest::addColumn<QString>("homepage");
        QTest::addColumn<QString>("screenshots");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("published, without the closing slash")
            << QStringLiteral("https://example.org/hry&hlavolamy/pelikor2000")
            << QStringLiteral("https://example.org/hry&amp;hlavolamy/pelikor2000/screenshots/");
    }
    void metainfoNamesPagesOnlyWhereTheyArePublished()
    {
        QFETCH(QString, homepage);
        QFETCH(QString, screenshots);
        const QString metainfo = root_->path() + QStringLiteral("/metainfo.xml");
        QStringList arguments{QStringLiteral("-DPELIKOR_METAINFO_FILE=") + metainfo,
                              QStringLiteral("-DPELIKOR_HOMEPAGE=") + homepage, QStringLiteral("-DPELIKOR_APP_ID=") + kAppId};
        for (const char* fixed : {"PELIKOR_METAINFO_TEMPLATE=" SOURCE_DIR "/dist/app.metainfo.xml.in",
                                  "PELIKOR_METAINFO_LINKS_TEMPLATE=" SOURCE_DIR "/dist/app.links.xml.in",
                                  "PELIKOR_COMMAND=pelikor2000", "PROJECT_VERSION=5.0"})
            arguments << QStringLiteral("-D") + QString::fromUtf8(fixed);
        arguments << QStringLiteral("-P") << QStringLiteral(SOURCE_DIR "/dist/Metainfo.cmake");
        const QStringList validate{QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo};
        for (const Run& step : {run(QStringLiteral(CMAKE_COMMAND), arguments, environment_),
                                run(QStringLiteral("appstreamcli"), validate, environment_)})
            QVERIFY2(step.exitCode == 0, qPrintable(step.output));
        const QString text = QString::fromUtf8(readFile(metainfo));
        QCOMPARE(text.count(QStringLiteral("<url ")), homepage.isEmpty() ? 0 : 1);
        QCOMPARE(text.count(QStringLiteral("<image>") + screenshots), homepage.isEmpty() ? 0 : 4);
    }

    // The program answers these on the terminal and ends; a window would
    // need the display the test takes away from it.
    void commandLineIsAnsweredWithoutAWindow_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringLiteral("--help") << 0 << QStringLiteral("Použití: Pelikor2000 [volby]\n");
        QTest::newRow("version") << QStringLiteral("-v") << 0 << QStringLiteral("Pelikor 2000, verze 5.0\n");
        QTest::newRow("unknown option") << QStringLiteral("--hra") << 2 << QStringLiteral("Pelikor2000: neznámá volba --hra\n");
        QTest::newRow("argument") << QStringLiteral("hra") << 2 << QStringLiteral("Pelikor2000: nečekaný argument hra\n");
        // Qt's own options by their whole name, once, as typed, without
        // their values; the hint after the last line.
        QTest::newRow("Qt's option") << QStringLiteral("-platform offscreen") << 2
                                     << QStringLiteral("Pelikor2000: neznámá volba -platform\nNápovědu vypíše Pelikor2000 --help\n");
        QTest::newRow("Qt's option, two dashes") << QStringLiteral("--platform=xcb -hv") << 2
                                                 << QStringLiteral("Pelikor2000: neznámá volba --platform\nPelikor2000: neznámá volba -hv\nNápovědu");
        // In the player's language, chosen as the windows' is.
        QTest::newRow("help in English") << QStringLiteral("--help en") << 0
                                         << QStringLiteral("Usage: Pelikor2000 [options]\nPeg solitaire");
        QTest::newRow("version in English") << QStringLiteral("-v en") << 0 << QStringLiteral("Pelikor 2000, version 5.0\n");
        QTest::newRow("argument in English") << QStringLiteral("hra en") << 2
                                             << QStringLiteral("Pelikor2000: unexpected argument hra\nFor help, run Pelikor2000 --help\n");
    }
    void commandLineIsAnsweredWithoutAWindow()
    {
        QFETCH(QString, argument);
        QFETCH(int, status);
        QFETCH(QString, says);
        environment_.remove(QStringLiteral("DISPLAY"));
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // A last word "en" is no argument but the language the player asks for.
        QStringList arguments = argument.split(QLatin1Char(' '));
        environment_.insert(QStringLiteral("LANGUAGE"), arguments.endsWith(QStringLiteral("en")) ? arguments.takeLast() : QString());
        const Run answer = run(QStringLiteral(APP_DIR "/Pelikor2000"), arguments, environment_);
        QCOMPARE(answer.exitCode, status);
        QVERIFY2(answer.output.startsWith(says), qPrintable(answer.output));
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
