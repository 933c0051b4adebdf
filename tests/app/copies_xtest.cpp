#include "app/PelikorApplication.h"
#include "app/SecondCopyWarning.h"
#include "app/Splash.h"
#include "frame/MainWindow.h"
#include "services/Settings.h"
#include "services/SingleCopy.h"
#include "tests/support/CopySearch.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/XWindows.h"
#include "widgets/GradientProgress.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

// Copies of the program started as a player starts them, on the X server
// of the test, watched from outside: which windows each process shows,
// what the screen shows and what the settings file says.

namespace {

constexpr int kStartPatienceMs = 15000;
// Two turns of the 500 ms blink, with room for a busy machine.
constexpr int kBlinkPatienceMs = 5000;
// Starts in the same instant that all had to end with one copy. Released
// together, both copies search at once, so a start that does not hold the
// lock from its search to its answering main window fails nearly every
// round; more rounds only repeat that.
constexpr int kRaceRounds = 8;

// The screen as a separate program reads it from the X server, which sees
// only what this process has sent there.
QImage grabByAnotherProgram(const QRect& area)
{
    QProcess grab;
    grab.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                          QStringLiteral("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y()),
                                          QStringLiteral("png:-")});
    grab.waitForFinished();
    return QImage::fromData(grab.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QRgb screenPixel(QPoint at)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixel(0, 0) & 0xFFFFFF;
}

// The build's application folder copied, so that no test touches its
// settings or table; without a settings file, so that a start shows the
// main window alone.
struct ApplicationFolder {
    QTemporaryDir folder;
    ApplicationFolder()
    {
        std::filesystem::copy(QFile::encodeName(qEnvironmentVariable("PELIKOR_TEST_APP_DIR")).toStdString(),
                              QFile::encodeName(folder.path()).toStdString(),
                              std::filesystem::copy_options::recursive);
        QFile::remove(settingsFile());
    }
    QString program() const { return folder.path() + QStringLiteral("/Pelikor2000"); }
    QString settingsFile() const { return folder.path() + QStringLiteral("/Kolvex.ini"); }
    QString assistantSetting() const { return Settings(folder.path() + QLatin1Char('/')).read(Settings::kAssistantKey); }
};

// Every file under the folder with its bytes.
QMap<QString, QByteArray> folderContents(const QString& path)
{
    QMap<QString, QByteArray> contents;
    for (QDirIterator file(path, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); file.hasNext();) {
        QFile bytes(file.next());
        contents[file.filePath()] = bytes.open(QIODevice::ReadOnly) ? bytes.readAll() : QByteArray();
    }
    return contents;
}

// A program process, ended at the end of the test whatever happened;
// with a barrier, the program starts when the pipe's other end closes (in
// bash, whose redirections take any descriptor).
struct ProgramProcess : QProcess {
    explicit ProgramProcess(const ApplicationFolder& folder, int barrier = -1)
    {
        if (barrier < 0)
            start(folder.program(), {});
        else
            start(QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral("read -r _ <&%1; exec \"$0\" %1<&-").arg(barrier),
                                         folder.program()});
    }
    // Ended as the session ends it: the status is 0.
    bool endsOn(int signal)
    {
        ::kill(pid_t(processId()), signal);
        return waitForFinished(kStartPatienceMs) && exitStatus() == QProcess::NormalExit && exitCode() == 0;
    }
    ~ProgramProcess() override
    {
        if (state() != QProcess::NotRunning) {
            kill();
            waitForFinished();
        }
    }
};

} // namespace

class CopiesXTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The copies of this test meet only one another.
        QVERIFY(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(!xdotool(QStringLiteral("version")).isEmpty(), "xdotool is missing");
    }

    // The splash and each step of its meter are on the X server's screen
    // when the call returns, with no event loop running: another program
    // sees them.
    void splashAndItsStepsReachTheScreenAtOnce()
    {
        Splash splash;
        splash.showAndPaint();
        // The black frame, then the yellow panel inside it.
        const QImage edge = grabByAnotherProgram(QRect(splash.geometry().topLeft() + QPoint(1, 3), QSize(3, 1)));
        QCOMPARE(edge.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(edge.pixel(2, 0), qRgb(255, 255, 224));

        splash.stepDone(50);
        const GradientProgress& meter = splash.meter();
        const QImage row = grabByAnotherProgram(QRect(meter.mapToGlobal(QPoint(0, meter.height() / 2)), QSize(meter.width(), 1)));
        const int filled = meter.filledLength();
        QVERIFY(qRed(row.pixel(filled, 0)) > 200);
        QCOMPARE(row.pixel(filled + 10, 0), qRgb(0, 0, 0));
    }

    // The second copy shows the figure in the middle of the screen and the
    // blinking warning beside it, nothing else; Esc ends it and leaves the
    // first copy as it was. The first, killed before it could close its
    // socket, then does not stop the next start, which clears what it left.
    void secondCopyOnlyWarnsAndAKilledCopyBlocksNothing()
    {
        ApplicationFolder folder;
        ProgramProcess first(folder);
        QTRY_VERIFY_WITH_TIMEOUT(SingleCopy::runningCopyFound(), kStartPatienceMs);
        QTRY_VERIFY_WITH_TIMEOUT(showsMainWindow(first.processId()), kStartPatienceMs);
        const QList<ShownWindow> firstShows = shownWindows(first.processId());
        QCOMPARE(firstShows.size(), 1);

        ProgramProcess second(folder);
        QTRY_COMPARE_WITH_TIMEOUT(shownWindows(second.processId()).size(), 2, kStartPatienceMs);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QRect figure(screen.width() / 2 - 52, screen.height() / 2 - 52, 104, 104);
        const QRect warning(figure.left() - 320 + 35, figure.bottom() + 1 - 97, 320, 97);
        const QList<ShownWindow> secondShows = shownWindows(second.processId());
        QCOMPARE(secondShows[0].geometry, warning);
        QCOMPARE(secondShows[1], (ShownWindow{QStringLiteral("Pomocník"), figure}));
        QTRY_COMPARE(folder.assistantSetting(), QStringLiteral("1"));

        // The balloon, left of its texts, shows only the two pinks in turn.
        const QPoint ground = warning.topLeft() + QPoint(10, 50);
        const QSet<QRgb> pinks{toQColor(SecondCopyWarning::kStrongPink).rgb() & 0xFFFFFF,
                               toQColor(SecondCopyWarning::kLightPink).rgb() & 0xFFFFFF};
        QTRY_VERIFY_WITH_TIMEOUT(pinks.contains(screenPixel(ground)), kStartPatienceMs);
        QList<QRgb> seen;
        QElapsedTimer watching;
        watching.start();
        while (seen.size() < 3 && watching.elapsed() < kBlinkPatienceMs) {
            const QRgb now = screenPixel(ground);
            QVERIFY2(pinks.contains(now), qPrintable(QString::number(now, 16)));
            if (seen.isEmpty() || seen.last() != now)
                seen << now;
            QTest::qWait(50);
        }
        QVERIFY2(seen.size() >= 3, qPrintable(QString::number(seen.size())));

        xdotool(QStringLiteral("key Escape"));
        QVERIFY(second.waitForFinished(kStartPatienceMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(folder.assistantSetting(), QStringLiteral("0"));

        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(shownWindows(first.processId()), firstShows);
        QVERIFY(SingleCopy::runningCopyFound());

        const QString socket = SingleCopy::folder() + QLatin1Char('/') + QString::number(first.processId());
        QVERIFY(QFileInfo::exists(socket));
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFileInfo::exists(socket));
        ProgramProcess next(folder);
        QTRY_VERIFY_WITH_TIMEOUT(showsMainWindow(next.processId()), kStartPatienceMs);
        QCOMPARE(shownWindows(next.processId()).size(), 1);
        QVERIFY(!QFileInfo::exists(socket));
        QVERIFY(SingleCopy::runningCopyFound());
    }

    // A copy whose main window shows the boss screen is no running copy to
    // a new start, which starts in full; back from the boss screen, it is
    // one again.
    void bossScreenLetsTheNextCopyStartInFull()
    {
        ProgramFixture program;
        MainWindow& main = program.main();
        SingleCopy::publish(main, SingleCopy::kMainWindowClass);
        program.start();
        QVERIFY(searchAside().found);
        main.toggleBossScreen();
        QCOMPARE(main.windowTitle(), QStringLiteral("Plnění plánu v letošním roce"));

        ApplicationFolder folder;
        ProgramProcess next(folder);
        QTRY_VERIFY_WITH_TIMEOUT(showsMainWindow(next.processId()), kStartPatienceMs);
        QCOMPARE(shownWindows(next.processId()).size(), 1);
        QCOMPARE(main.windowTitle(), QStringLiteral("Plnění plánu v letošním roce"));
        QVERIFY(main.isVisible());

        next.kill();
        next.waitForFinished();
        QVERIFY(!searchAside().found);
        main.toggleBossScreen();
        QVERIFY(searchAside().found);
    }

    // The session's end (logout, kill, Ctrl+C) ends a copy with status 0:
    // its socket goes, and every file is as it was, nothing left beside.
    void aSignalOfTheSessionEndsACopyCleanly_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void aSignalOfTheSessionEndsACopyCleanly()
    {
        QFETCH(int, signal);
        ApplicationFolder folder;
        // The figure shows, and writes its setting.
        Settings(folder.folder.path() + QLatin1Char('/')).write(Settings::kAssistantKey, QStringLiteral("1"));
        const QMap<QString, QByteArray> before = folderContents(folder.folder.path());
        ProgramProcess copy(folder);
        QTRY_VERIFY_WITH_TIMEOUT(showsMainWindow(copy.processId()) && SingleCopy::runningCopyFound(), kStartPatienceMs);
        const QString socket = SingleCopy::folder() + QLatin1Char('/') + QString::number(copy.processId());
        QVERIFY(QFileInfo::exists(socket));
        QVERIFY(copy.endsOn(signal));
        QVERIFY(!QFileInfo::exists(socket));
        QCOMPARE(folderContents(folder.folder.path()), before);
    }

    // Two starts in the same instant, as a double click on a launcher makes
    // them: exactly one shows its main window, the other only warns.
    void twoStartsInTheSameInstantMakeOneCopy()
    {
        ApplicationFolder folder;
        for (int round = 0; round < kRaceRounds; ++round) {
            QFile::remove(folder.settingsFile());
            int barrier[2];
            QVERIFY(::pipe(barrier) == 0 && ::fcntl(barrier[1], F_SETFD, FD_CLOEXEC) == 0);
            ProgramProcess first(folder, barrier[0]);
            ProgramProcess second(folder, barrier[0]);
            ::close(barrier[1]);
            ::close(barrier[0]);
            // The main window alone, and the warning beside the figure.
            QTRY_COMPARE_WITH_TIMEOUT(shownWindows(first.processId()).size() + shownWindows(second.processId()).size(), 3,
                                      kStartPatienceMs);
            QCOMPARE(int(showsMainWindow(first.processId())) + int(showsMainWindow(second.processId())), 1);
            QVERIFY(first.endsOn(SIGTERM) && second.endsOn(SIGTERM));
            QVERIFY(QDir(SingleCopy::folder()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty());
        }
    }

private:
    QTemporaryDir runtime_;
};

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    CopiesXTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "copies_xtest.moc"
