#include "services/AppPath.h"
#include "services/core/ProfileWriteError.h"
#include "services/ModuleCuePlayer.h"
#include "services/Settings.h"
#include "services/SoundCues.h"
#include "tests/support/Unprivileged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Loading a module takes milliseconds; a busy machine is given ample room.
constexpr unsigned kChildPatienceS = 10;

// Remembers every cue it is asked to play and where the current directory was.
class RecordingPlayer : public CuePlayer {
public:
    struct Played {
        QString fileName;
        QString currentDir;
    };

    // `whilePlaying` runs inside each call, to change the world under the caller.
    explicit RecordingPlayer(QList<Played>& played, std::function<void()> whilePlaying = {})
        : played_(played), whilePlaying_(std::move(whilePlaying))
    {
    }
    void play(const QString& fileName) override
    {
        played_.append({fileName, QDir::currentPath()});
        if (whilePlaying_)
            whilePlaying_();
    }

private:
    QList<Played>& played_;
    std::function<void()> whilePlaying_;
};

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

void touch(const QString& file)
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("RIFF");
}

QStringList warnings;

void collectMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    warnings.append(message);
}

QString runProbe(const QString& program, const QString& workingDir)
{
    QProcess probe;
    probe.setWorkingDirectory(workingDir);
    probe.start(program, {});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return QStringLiteral("<probe failed>");
    return QString::fromLocal8Bit(probe.readAllStandardOutput());
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        startDir_ = QDir::currentPath();
        app_ = std::make_unique<QTemporaryDir>();
        QVERIFY(app_->isValid());
        appDir_ = canonical(app_->path()) + QLatin1Char('/');
        QVERIFY(QDir(appDir_).mkdir(QStringLiteral("Zvuky")));
        soundsDir_ = appDir_ + QStringLiteral("Zvuky");
    }

    void cleanup()
    {
        QDir::setCurrent(startDir_);
        app_.reset();
    }

    void appPathIsTheProgramsFolderWithTrailingSlash()
    {
        const QString path = AppPath().folderText();
        QVERIFY(path.endsWith(QLatin1Char('/')));
        QCOMPARE(path, canonical(QCoreApplication::applicationDirPath()) + QLatin1Char('/'));
        QVERIFY(QFileInfo::exists(path + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    }

    void appPathIsFoundFromAnotherWorkingFolder()
    {
        const QString expected = canonical(QFileInfo(QStringLiteral(APP_PATH_PROBE)).path()) + QLatin1Char('/');
        QCOMPARE(runProbe(QStringLiteral(APP_PATH_PROBE), app_->path()), expected);
        QCOMPARE(runProbe(QStringLiteral(APP_PATH_PROBE), QDir::rootPath()), expected);
    }

    void appPathFollowsALinkToTheProgram()
    {
        const QString expected = canonical(QFileInfo(QStringLiteral(APP_PATH_PROBE)).path()) + QLatin1Char('/');
        const QString link = appDir_ + QStringLiteral("Pelikor2000");
        QVERIFY(QFile::link(QStringLiteral(APP_PATH_PROBE), link));
        QCOMPARE(runProbe(link, app_->path()), expected);
        QVERIFY(expected != appDir_);
    }

    void aProgramFolderNamedInBytesThatAreNotUtf8KeepsItsSettings()
    {
        const std::filesystem::path folder = std::filesystem::path(QFile::encodeName(appDir_).toStdString())
            / "Pelikor\xFF";
        std::filesystem::create_directory(folder);
        const std::filesystem::path program = folder / "Pelikor2000";
        std::filesystem::copy_file(APP_PATH_PROBE, program);
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(program.c_str(), program.c_str(), "settings", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        std::ifstream written(folder / "Kolvex.ini", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
        QCOMPARE(bytes, std::string("[Nastaveni]\r\nPomocnik=1\r\n"));
        QCOMPARE(AppPath().folder().native() + "/", QFile::encodeName(AppPath().folderText()).toStdString());
    }

    void settingsAreReadAndWrittenInTheApplicationFolder()
    {
        Settings settings(appDir_);
        QCOMPARE(settings.filePath(), appDir_ + QStringLiteral("Kolvex.ini"));
        QCOMPARE(settings.read(Settings::kAssistantKey), QString());
        settings.write(Settings::kAssistantKey, QStringLiteral("1"));
        settings.write(Settings::kWelcomeKey, QStringLiteral("0"));
        QCOMPARE(settings.read(Settings::kAssistantKey), QStringLiteral("1"));
        QCOMPARE(Settings(appDir_).read(Settings::kWelcomeKey), QStringLiteral("0"));

        QFile file(settings.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Nastaveni]\r\nPomocnik=1\r\nUvitani=0\r\n"));
    }

    void theSettingsFileIsFoundWithoutRegardToCase()
    {
        Settings settings(appDir_);
        QCOMPARE(settings.read(Settings::kAssistantKey), QString());
        // Written by hand or by another program of the family, in capitals.
        QFile upper(appDir_ + QStringLiteral("KOLVEX.INI"));
        QVERIFY(upper.open(QIODevice::WriteOnly));
        upper.write("[NASTAVENI]\r\nPOMOCNIK=1\r\n");
        upper.close();
        QCOMPARE(settings.read(Settings::kAssistantKey), QStringLiteral("1"));

        settings.write(Settings::kWelcomeKey, QStringLiteral("0"));
        QVERIFY(!QDir(appDir_).entryList().contains(QStringLiteral("Kolvex.ini")));
        QVERIFY(upper.open(QIODevice::ReadOnly));
        QCOMPARE(upper.readAll(), QByteArray("[NASTAVENI]\r\nPOMOCNIK=1\r\nUvitani=0\r\n"));
        upper.close();

        QVERIFY(QFile::rename(upper.fileName(), appDir_ + QStringLiteral("kolvex.ini")));
        QCOMPARE(settings.read(Settings::kWelcomeKey), QStringLiteral("0"));
        QVERIFY(QFile::remove(appDir_ + QStringLiteral("kolvex.ini")));
        QCOMPARE(settings.read(Settings::kWelcomeKey), QString());
        settings.write(Settings::kWelcomeKey, QStringLiteral("1"));
        QVERIFY(QDir(appDir_).entryList().contains(QStringLiteral("Kolvex.ini")));
    }

    void aFailedSettingsWriteNamesTheFile()
    {
        const QString missing = appDir_ + QStringLiteral("Chybi/");
        Settings settings(missing);
        try {
            settings.write(Settings::kWelcomeKey, QStringLiteral("1"));
            QFAIL("the write did not fail");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString::fromLocal8Bit(error.what()), QStringLiteral("Unable to write to ") + missing
                         + QStringLiteral("Kolvex.ini"));
        }
    }

    void aCuePlaysFromTheSoundsFolderAndReturnsToTheApplicationFolder()
    {
        touch(soundsDir_ + QStringLiteral("/Bod.wav"));
        QList<RecordingPlayer::Played> played;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played));
        QDir::setCurrent(QDir::rootPath());
        cues.play(QStringLiteral("Bod.wav"));
        QCOMPARE(played.size(), 1);
        QCOMPARE(played[0].fileName, QStringLiteral("Bod.wav"));
        QCOMPARE(played[0].currentDir, soundsDir_);
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), appDir_);
    }

    void aFailingPlayerLeavesTheCurrentFolderAtTheApplicationFolder()
    {
        touch(soundsDir_ + QStringLiteral("/Bod.wav"));
        QList<RecordingPlayer::Played> played;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played, [] { throw std::runtime_error("device lost"); }));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, cues.play(QStringLiteral("Bod.wav")));
        QCOMPARE(played.size(), 1);
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), appDir_);
    }

    void aCueIsFoundWithoutRegardToCase()
    {
        touch(soundsDir_ + QStringLiteral("/PRENOS.WAV"));
        QList<RecordingPlayer::Played> played;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played));
        cues.play(QStringLiteral("Prenos.wav"));
        QCOMPARE(played.size(), 1);
        QCOMPARE(played[0].fileName, QStringLiteral("PRENOS.WAV"));
    }

    void aMissingCuePlaysNothingAndLeavesTheCurrentFolder()
    {
        QList<RecordingPlayer::Played> played;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played));
        QDir::setCurrent(QDir::rootPath());
        cues.play(QStringLiteral("Dotaz.wav"));
        QVERIFY(played.isEmpty());
        QCOMPARE(QDir::currentPath(), QDir::rootPath());
    }

    void aMissingSoundsFolderPlaysNothingAndLeavesTheCurrentFolder()
    {
        QVERIFY(QDir(soundsDir_).removeRecursively());
        QList<RecordingPlayer::Played> played;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played));
        QDir::setCurrent(QDir::rootPath());
        cues.play(QStringLiteral("Bod.wav"));
        QVERIFY(played.isEmpty());
        QCOMPARE(QDir::currentPath(), QDir::rootPath());
    }

    void quickCuesReachThePlayerInOrder()
    {
        touch(soundsDir_ + QStringLiteral("/Bod.wav"));
        touch(soundsDir_ + QStringLiteral("/Prenos.wav"));
        QList<RecordingPlayer::Played> played;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played));
        cues.play(QStringLiteral("Bod.wav"));
        cues.play(QStringLiteral("Prenos.wav"));
        QCOMPARE(played.size(), 2);
        QCOMPARE(played[1].fileName, QStringLiteral("Prenos.wav"));
        QCOMPARE(played[1].currentDir, soundsDir_);
    }

    void aSoundsFolderThatCannotBeEnteredPlaysNothing()
    {
        touch(soundsDir_ + QStringLiteral("/Bod.wav"));
        QVERIFY(QFile::setPermissions(soundsDir_, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup
                                                      | QFile::ReadOther));
        QFile::setPermissions(app_->path(), QFile::permissions(app_->path()) | QFile::ExeOther | QFile::ReadOther);
        const std::string outcome = asUnprivilegedUser([&] {
            QList<RecordingPlayer::Played> played;
            SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played));
            QDir::setCurrent(QDir::rootPath());
            cues.play(QStringLiteral("Bod.wav"));
            return std::string(played.isEmpty() ? "silent" : "played")
                + (QDir::currentPath() == QDir::rootPath() ? " | stayed" : " | moved");
        });
        QFile::setPermissions(soundsDir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QString::fromStdString(outcome), QStringLiteral("silent | stayed"));
    }

    void anApplicationFolderGoneDuringACueIsReported()
    {
        touch(soundsDir_ + QStringLiteral("/Bod.wav"));
        QList<RecordingPlayer::Played> played;
        const QString appDir = appDir_;
        SoundCues cues(appDir_, std::make_unique<RecordingPlayer>(played, [appDir] {
                           QDir(appDir).removeRecursively();
                       }));
        try {
            cues.play(QStringLiteral("Bod.wav"));
            QFAIL("no error reported");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Nelze přejít do složky ") + appDir_);
        }
        QCOMPARE(played.size(), 1);
    }

    void theSoundModulePlaysAndSaysNothing()
    {
        const QString applicationDir = qEnvironmentVariable("PELIKOR_TEST_APP_DIR");
        const QString source = applicationDir + QStringLiteral("/Zvuky/Bod.wav");
        QVERIFY2(QFile::copy(source, soundsDir_ + QStringLiteral("/Bod.wav")), qPrintable(source));
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        {
            auto player = std::make_unique<ModuleCuePlayer>(QFile::encodeName(applicationDir).toStdString());
            const ModuleCuePlayer& module = *player;
            SoundCues cues(appDir_, std::move(player));
            cues.play(QStringLiteral("Bod.wav"));
            cues.play(QStringLiteral("Bod.wav"));
            QVERIFY(module.loaded());
            QTest::qWait(300);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, QStringList());

        const QLoggingCategory multimedia("qt.multimedia.cues");
        const QLoggingCategory other("pelikor.cues");
        QVERIFY(!multimedia.isWarningEnabled());
        QVERIFY(other.isWarningEnabled());
    }

    // Looked for beside the program, then where an install puts it, once:
    // a module laid beside the program after the first cue stays unused.
    void theSoundModuleIsFoundWhereTheLayoutsPutIt_data()
    {
        QTest::addColumn<QString>("placed");
        QTest::addColumn<bool>("library");
        QTest::addColumn<bool>("loads");
        QTest::newRow("nowhere") << QString() << true << false;
        QTest::newRow("beside the program") << QStringLiteral(".") << true << true;
        QTest::newRow("where an install puts it") << QStringLiteral(SOUND_MODULE_FROM_PROGRAM) << true << true;
        QTest::newRow("no library beside the program") << QStringLiteral(".") << false << false;
    }
    void theSoundModuleIsFoundWhereTheLayoutsPutIt()
    {
        QFETCH(QString, placed);
        QFETCH(bool, library);
        QFETCH(bool, loads);
        const QString built = QStringLiteral(SOUND_MODULE);
        const QString name = QFileInfo(built).fileName();
        const QString program = appDir_ + QStringLiteral("games/");
        const QString folder = QDir::cleanPath(program + placed) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(folder));
        if (!placed.isEmpty())
            QVERIFY(library ? QFile::copy(built, folder + name) : QFile(folder + name).open(QIODevice::WriteOnly));
        ModuleCuePlayer player(QFile::encodeName(program).toStdString());
        for (int cue = 0; cue < 2; ++cue) {
            player.play(QStringLiteral("Bod.wav"));
            QCOMPARE(player.loaded(), loads);
            QFile::remove(program + name);
            QVERIFY(QFile::copy(built, program + name));
        }
    }

    // A file at the module's path that is no module of ours plays nothing,
    // neither hanging (a FIFO) nor ending the program (data called as code,
    // another version's entry point); in a child, to see either as such.
    void aFileThatIsNoModuleOfOursStaysSilent_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("FIFO") << QString();
        QTest::newRow("entry point on data") << QStringLiteral(ENTRY_AS_DATA_MODULE);
        QTest::newRow("another version") << QStringLiteral(OTHER_VERSION_MODULE);
    }
    void aFileThatIsNoModuleOfOursStaysSilent()
    {
        QFETCH(QString, module);
        const QString beside = appDir_ + QFileInfo(QStringLiteral(SOUND_MODULE)).fileName();
        QVERIFY(module.isEmpty() ? ::mkfifo(QFile::encodeName(beside).constData(), 0600) == 0
                                 : QFile::copy(module, beside));
        const pid_t child = ::fork();
        if (child == 0) {
            // A cue that hangs ends the child by the alarm.
            ::alarm(kChildPatienceS);
            ModuleCuePlayer player(QFile::encodeName(appDir_).toStdString());
            player.play(QStringLiteral("Bod.wav"));
            player.play(QStringLiteral("Bod.wav"));
            ::_exit(player.loaded() ? 1 : 0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY2(!WIFSIGNALED(status) || WTERMSIG(status) != SIGALRM, "the cue hangs");
        QVERIFY2(WIFEXITED(status), "the cue ended the program");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

private:
    std::unique_ptr<QTemporaryDir> app_;
    QString appDir_;
    QString soundsDir_;
    QString startDir_;
};

QTEST_GUILESS_MAIN(ShellTest)
#include "services_test.moc"
