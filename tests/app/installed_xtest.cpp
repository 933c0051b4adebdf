#include "app/PelikorApplication.h"
#include "pictures/BoardGeometry.h"
#include "tests/support/FolderTree.h"
#include "tests/support/PerfectGame.h"
#include "tests/support/RecordsOnDisk.h"
#include "tests/support/StagedInstall.h"
#include "tests/support/XWindows.h"

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>

#include <unistd.h>

// The program as a player starts it, played from outside on the test's X
// server: an install for everyone, run by players who may not write it,
// and an application folder whose name is not valid UTF-8.

namespace {

constexpr int kPatienceMs = 20000;
// The board panel lies this far into the main window's client area.
constexpr QPoint kBoardInClient(3, 29);
const QString kStoredName = QStringLiteral("Zofie");

bool waitUntil(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, kPatienceMs);
}

// A program process and a player's pointer and keys on its windows,
// ended at the end of the test whatever happened.
struct PlayedProgram : QProcess {
    PlayedProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
    {
        setProcessEnvironment(environment);
        setProcessChannelMode(QProcess::ForwardedChannels);
        start(program, arguments);
    }
    ~PlayedProgram() override
    {
        kill();
        waitForFinished();
    }

    QString mainWindow() const
    {
        for (const QString& id : shownWindowIds(processId()))
            if (isMainWindow({xdotool(QStringLiteral("getwindowname ") + id), windowGeometry(id)}))
                return id;
        return {};
    }
    // The window that shows up besides those shown before.
    QString newWindow(const QStringList& before) const
    {
        QString found;
        waitUntil([&] {
            for (const QString& id : shownWindowIds(processId()))
                if (!before.contains(id))
                    found = id;
            return !found.isEmpty();
        });
        return found;
    }
    // Clicks points of a window, one after another, with one run of the
    // tool, which takes long to start.
    void click(const QString& window, const QList<QPoint>& points) const
    {
        const QPoint origin = windowGeometry(window).topLeft();
        QStringList actions;
        for (QPoint at : points)
            actions << QStringLiteral("mousemove %1 %2 click 1").arg((origin + at).x()).arg((origin + at).y());
        xdotool(actions.join(QLatin1Char(' ')));
    }
    void keys(const QString& window, const QString& actions) const
    {
        xdotool(QStringLiteral("windowfocus --sync %1 %2").arg(window, actions));
    }
};

// What a new player meets: the main window, the figure and the welcome.
void expectFirstStart(const PlayedProgram& program)
{
    QVERIFY(waitUntil([&] { return shownWindows(program.processId()).size() == 3; }));
    const QList<ShownWindow> shown = shownWindows(program.processId());
    QVERIFY(std::any_of(shown.begin(), shown.end(), isMainWindow));
    QCOMPARE(shown.last().name, QStringLiteral("Pomocník"));
}

// Whether the program has loaded the sound module at `module`, as the
// figure's cue at the start does.
bool loadedSoundModule(const PlayedProgram& program, const std::filesystem::path& module)
{
    std::error_code error;
    const QByteArray mapped = QByteArray::fromStdString(std::filesystem::canonical(module, error).native());
    return !error && waitUntil([&] {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(mapped);
    });
}

// From the welcome to a stored result: the perfect standard game by the
// mouse, the congratulation and the name typed into the result.
void playAndStore(const PlayedProgram& program)
{
    const QString main = program.mainWindow();
    QVERIFY(!main.isEmpty());
    const QStringList atStart = shownWindowIds(program.processId());
    for (const QString& welcome : atStart)
        if (welcome != main && xdotool(QStringLiteral("getwindowname ") + welcome) != QStringLiteral("Pomocník"))
            program.keys(welcome, QStringLiteral("key Escape"));
    QVERIFY(waitUntil([&] { return shownWindowIds(program.processId()).size() == 2; }));
    const QStringList idle = shownWindowIds(program.processId());

    program.keys(main, QStringLiteral("key F2"));
    const QString chooser = program.newWindow(idle);
    program.click(chooser, {kStandardChoice});
    const QString standard = program.newWindow(idle + QStringList{chooser});
    program.click(standard, {kMiniatureCentre, kStandardOk});
    QVERIFY(waitUntil([&] { return shownWindowIds(program.processId()) == idle; }));

    const QPoint board = kBoardInClient + QPoint(0, windowGeometry(main).height() - MainWindow::kClientSize.height());
    QList<QPoint> moves;
    for (const auto& [peg, hole] : kPerfectStandardGame)
        moves << board + pictures::pegRect(peg).center() << board + pictures::holeRect(hole).center();
    program.click(main, moves);
    const QString congratulation = program.newWindow(idle);
    program.keys(congratulation, QStringLiteral("key Return"));
    const QString result = program.newWindow(idle + QStringList{congratulation});
    program.keys(result, QStringLiteral("type ") + kStoredName);
    program.keys(result, QStringLiteral("key Return"));
    QVERIFY(waitUntil([&] { return shownWindowIds(program.processId()) == idle; }));
}

QStringList storedRecord()
{
    return {kStoredName + QStringLiteral("|1|3|") + QDate::currentDate().toString(Qt::ISODate)};
}

QProcessEnvironment programEnvironment(const QString& runtimeFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    return environment;
}

// A player of their own user id and home, allowed on the X server; with
// `ownFolders`, the XDG variables name folders of the player's choice.
struct Player {
    QString home;
    uid_t uid;
    bool ownFolders;

    Player(const QString& root, uid_t id, bool own) : home(root + QStringLiteral("/home%1").arg(id)), uid(id), ownFolders(own)
    {
        QDir().mkpath(home + QStringLiteral("/run"));
        QFile::copy(qEnvironmentVariable("XAUTHORITY"), home + QStringLiteral("/.Xauthority"));
        for (const char* entry : {"", "/run", "/.Xauthority"})
            QVERIFY2(::chown(QFile::encodeName(home + QLatin1String(entry)).constData(), uid, uid) == 0, entry);
        ::chmod(QFile::encodeName(home + QStringLiteral("/run")).constData(), 0700);
    }
    QString configHome() const { return home + (ownFolders ? QStringLiteral("/config") : QStringLiteral("/.config")); }
    QString dataHome() const { return home + (ownFolders ? QStringLiteral("/data") : QStringLiteral("/.local/share")); }
    QString dataFolder() const { return dataHome() + QStringLiteral("/pelikor2000/"); }

    std::unique_ptr<PlayedProgram> start(const QString& program) const
    {
        QProcessEnvironment environment = programEnvironment(home + QStringLiteral("/run"));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XAUTHORITY"), home + QStringLiteral("/.Xauthority"));
        if (ownFolders) {
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
            environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        }
        const QString id = QString::number(uid);
        return std::make_unique<PlayedProgram>(
            QStringLiteral("setpriv"),
            QStringList{QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id, QStringLiteral("--clear-groups"),
                        QStringLiteral("--"), program},
            environment);
    }
};

} // namespace

class InstalledXTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(runtime_.isValid());
        QVERIFY2(!xdotool(QStringLiteral("version")).isEmpty(), "xdotool is missing");
    }

    // Installed for everyone, owned by root and run by two players, one
    // with folders of their own choice: each player's first start lays out
    // their files and shows the figure and the welcome, a result stays
    // where its player keeps it, and the install is not changed by a byte.
    void playersOfAnInstallForEveryoneKeepTheirOwnFiles()
    {
        if (::geteuid() != 0)
            QSKIP("only root can start the program as other players");
        const StagedInstall install;
        QVERIFY(install.staged);
        const QString& stage = install.stage;
        const QStringList installed = folderTree(stage);
        const QString program = install.program();

        const Player first(install.root.path(), 64101, false);
        {
            const auto played = first.start(program);
            expectFirstStart(*played);
            if (QTest::currentTestFailed())
                return;
            const QString module = stage + QStringLiteral("/usr/" SOUND_MODULE);
            QVERIFY(loadedSoundModule(*played, QFile::encodeName(module).toStdString()));
            // The desktop entry names the class the windows really carry.
            const QSettings entry(stage + QStringLiteral("/usr/share/applications/cz.kolvex.Pelikor2000.desktop"),
                                  QSettings::IniFormat);
            QString windowClass = entry.value(QStringLiteral("Desktop Entry/StartupWMClass")).toString();
            QVERIFY(!windowClass.isEmpty());
            QVERIFY(!xdotool(QStringLiteral("search --pid %1 --class ^%2$").arg(played->processId()).arg(windowClass.replace(QLatin1Char(' '), QLatin1Char('.')))).isEmpty());
            playAndStore(*played);
        }
        QCOMPARE(recordsOnDisk(first.dataFolder()), storedRecord());
        {
            const auto again = first.start(program);
            QVERIFY(waitUntil([&] { return !again->mainWindow().isEmpty(); }));
        }
        QCOMPARE(recordsOnDisk(first.dataFolder()), storedRecord());

        const Player second(install.root.path(), 64102, true);
        {
            const auto played = second.start(program);
            expectFirstStart(*played);
        }
        QCOMPARE(recordsOnDisk(second.dataFolder()), QStringList());
        QCOMPARE(QFileInfo(second.configHome() + QStringLiteral("/pelikor2000/Kolvex.ini")).ownerId(), 64102u);
        QCOMPARE(recordsOnDisk(first.dataFolder()), storedRecord());
        QCOMPARE(folderTree(stage), installed);
    }

    // A folder named in bytes that are not UTF-8, as an old archive names
    // it: the program starts there and keeps a result.
    void aFolderNamedInBytesThatAreNotUtf8StoresAResult()
    {
        QTemporaryDir root;
        const std::filesystem::path folder = std::filesystem::path(QFile::encodeName(root.path()).toStdString()) / "hr\xE1\xE8" / "app";
        std::filesystem::create_directories(folder.parent_path());
        std::filesystem::copy(QFile::encodeName(qEnvironmentVariable("PELIKOR_TEST_APP_DIR")).toStdString(), folder,
                              std::filesystem::copy_options::recursive);
        // The test names the folder through a link; the program finds its real name.
        const QString link = root.path() + QStringLiteral("/link");
        std::filesystem::create_directory_symlink(folder, QFile::encodeName(link).toStdString());

        PlayedProgram played(link + QStringLiteral("/Pelikor2000"), {}, programEnvironment(runtime_.path()));
        expectFirstStart(played);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(loadedSoundModule(played, folder / std::filesystem::path(SOUND_MODULE).filename()));
        playAndStore(played);
        QCOMPARE(recordsOnDisk(link + QLatin1Char('/')), storedRecord());
    }

private:
    QTemporaryDir runtime_;
};

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    InstalledXTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "installed_xtest.moc"
