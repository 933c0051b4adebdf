#include "services/LocalSocket.h"
#include "services/SingleCopy.h"
#include "tests/support/CopySearch.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kClass = QStringLiteral("THlavniDialog");
const QString kTitle = QStringLiteral("Pelikor 2000");
const QString kBossTitle = QStringLiteral("Plnění plánu v letošním roce");
// A search that finds nothing to wait for answers at once; on a busy
// shared machine "at once" is given some room.
constexpr qint64 kPromptMs = 50;
// Clients at once, more than one round of answers.
constexpr int kFlood = 300;

// A socket file bound under `name` in the folder and left behind, as by a
// process killed before it could remove it; with `listening`, a peer that
// accepts connections and never says anything.
class RawSocket {
public:
    RawSocket(const QString& path, bool listening) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = QFile::encodeName(path);
        qstrncpy(address.sun_path, bytes.constData(), sizeof address.sun_path);
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
                 && (!listening || ::listen(fd_, 4) == 0);
        if (!listening)
            close();
    }
    ~RawSocket() { close(); }
    bool bound() const { return bound_; }

private:
    void close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    int fd_;
    bool bound_ = false;
};

// A window with the title, published as a copy publishes its main window,
// under the main window's class unless told.
std::unique_ptr<QMainWindow> published(const QString& title, const QString& className = SingleCopy::kMainWindowClass)
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(title);
    SingleCopy::publish(*window, className);
    return window;
}

// The id of a process that has ended.
QString deadProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForFinished();
    return QString::number(process.processId() ? process.processId() : 999999);
}

} // namespace

class SingleCopyTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Every case on a runtime folder of its own, on a display no other
        // test uses.
        runtime_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", runtime_->path().toLocal8Bit());
        qputenv("DISPLAY", ":41");
    }

    // Only a window of the main window's class with exactly the title is a
    // running copy; the title counts as it is at the moment of asking.
    void foundOnlyByClassAndExactTitle_data()
    {
        QTest::addColumn<bool>("mainClass");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("found");
        QTest::newRow("main window") << true << kTitle << true;
        QTest::newRow("boss screen") << true << kBossTitle << false;
        QTest::newRow("other case") << true << QStringLiteral("pelikor 2000") << false;
        QTest::newRow("trailing blank") << true << QStringLiteral("Pelikor 2000 ") << false;
        QTest::newRow("empty title") << true << QString() << false;
        QTest::newRow("other class") << false << kTitle << false;
    }
    void foundOnlyByClassAndExactTitle()
    {
        QFETCH(bool, mainClass);
        QFETCH(QString, title);
        QFETCH(bool, found);
        const auto window = mainClass ? published(title) : published(title, QStringLiteral("QMainWindow"));
        QCOMPARE(searchAside().found, found);
    }

    void titleIsFollowedAndTheWindowsEndEndsTheCopy()
    {
        auto window = published(kTitle);
        window->setWindowTitle(kBossTitle);
        QVERIFY(!searchAside().found);
        QVERIFY(searchAside(kClass, kBossTitle).found);
        window->setWindowTitle(kTitle);
        QVERIFY(searchAside().found);

        window.reset();
        QVERIFY(!searchAside().found);
        QVERIFY(QDir(SingleCopy::folder()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty());
    }

    // Each copy answers for itself: a copy on its boss screen does not hide
    // another copy's main window.
    void everyCopyIsAsked()
    {
        const auto boss = published(kBossTitle);
        // A second socket of the same kind, as another process publishes it.
        QLocalServer other;
        QVERIFY(other.listen(SingleCopy::folder() + QStringLiteral("/1")));
        connect(&other, &QLocalServer::newConnection, &other, [&other] {
            QLocalSocket* peer = other.nextPendingConnection();
            peer->write(QStringLiteral("THlavniDialog\nPelikor 2000\n").toUtf8());
            peer->disconnectFromServer();
        });
        QVERIFY(searchAside().found);
    }

    // A socket left by a copy that was killed refuses connections: it does
    // not count, goes away and takes no time; one of this process's id is
    // replaced when this process publishes.
    void staleSocketsAreClearedAndReplaced()
    {
        privateFolder();
        QVERIFY(RawSocket(SingleCopy::folder() + QLatin1Char('/') + QString::number(::getpid()), false).bound());
        const auto window = published(kBossTitle);
        const QString stale = SingleCopy::folder() + QLatin1Char('/') + deadProcessId();
        QVERIFY(RawSocket(stale, false).bound());

        const CopySearch search = searchAside();
        QVERIFY(!search.found);
        QVERIFY2(search.elapsedMs < kPromptMs, qPrintable(QString::number(search.elapsedMs)));
        QVERIFY(!QFileInfo::exists(stale));
        window->setWindowTitle(kTitle);
        QVERIFY(searchAside().found);
    }

    // A peer that accepts and says nothing, or says nonsense, is no copy,
    // and a search does not wait on it for long. The silent one stays: its
    // process runs.
    void silentAndGarbledPeersAreNoCopies()
    {
        privateFolder();
        const QString silentPath = SingleCopy::folder() + QLatin1Char('/') + QString::number(::getppid());
        RawSocket silent(silentPath, true);
        QVERIFY(silent.bound());
        QLocalServer garbled;
        QVERIFY(garbled.listen(SingleCopy::folder() + QStringLiteral("/2")));
        connect(&garbled, &QLocalServer::newConnection, &garbled, [&garbled] {
            QLocalSocket* peer = garbled.nextPendingConnection();
            peer->write(QByteArray(100000, '\n'));
        });

        const CopySearch search = searchAside();
        QVERIFY(!search.found);
        QVERIFY2(search.elapsedMs < SingleCopy::kAnswerTimeoutMs + 150, qPrintable(QString::number(search.elapsedMs)));
        QVERIFY(QFileInfo::exists(silentPath));
    }

    // Copies of another display or another user live in another folder.
    void otherDisplaysDoNotMeet()
    {
        const auto window = published(kTitle);
        const QString ours = SingleCopy::folder();
        QVERIFY(ours.contains(QString::number(::getuid())));
        qputenv("DISPLAY", ":42");
        QVERIFY(SingleCopy::folder() != ours);
        QVERIFY(!searchAside().found);
        qputenv("DISPLAY", "otherhost:41");
        QVERIFY(SingleCopy::folder() != ours);
        // Other spellings of the same server meet the copy.
        for (const char* sameServer : {":41.0", "unix:41", "unix:41.1", ":41"}) {
            qputenv("DISPLAY", sameServer);
            QCOMPARE(SingleCopy::folder(), ours);
        }
        QVERIFY(searchAside().found);
    }

    // A folder others may enter could hold their sockets: it is not used.
    void folderOpenToOthersIsNotUsed()
    {
        QVERIFY(QDir().mkpath(SingleCopy::folder()));
        QVERIFY(::chmod(QFile::encodeName(SingleCopy::folder()).constData(), 0777) == 0);
        const auto window = published(kTitle);
        QVERIFY(QDir(SingleCopy::folder()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!searchAside().found);
    }

    // The socket is the user's alone, and clients that connect and never
    // read, send junk, go before the answer or come in a flood neither stall
    // nor end the copy that answers them.
    void hostileClientsDoNotStallTheCopy()
    {
        const auto window = published(kTitle);
        const QByteArray socketPath =
            QFile::encodeName(SingleCopy::folder() + QLatin1Char('/') + QString::number(::getpid()));
        struct stat status {};
        QVERIFY(::stat(socketPath.constData(), &status) == 0);
        QCOMPARE(status.st_mode & 07777, mode_t(S_IRUSR | S_IWUSR));

        sockaddr_un address{};
        QVERIFY(localSocketAddress(socketPath, address));
        std::vector<pelikor::FileDescriptor> clients;
        for (int i = 0; i < kFlood; ++i) {
            pelikor::FileDescriptor client = localStreamSocket();
            QVERIFY(::connect(client.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
            QVERIFY(::send(client.get(), "junk", 4, MSG_NOSIGNAL) == 4);
            // Every other client has gone before it is answered.
            if (i % 2 == 0)
                clients.push_back(std::move(client));
        }
        QVERIFY(searchAside().found);
    }

    // A socket path longer than a socket address holds is not cut short to
    // name another file: the window stays unpublished and nothing is found.
    void socketPathTooLongIsSkipped()
    {
        // The folder's parent fits, so a path cut short would land in it.
        const QString parent =
            runtime_->path() + QLatin1Char('/') + QString(98 - runtime_->path().size(), QLatin1Char('d'));
        QVERIFY(QDir().mkpath(parent));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(parent));
        QVERIFY(QFile::encodeName(SingleCopy::folder()).size() >= qsizetype(sizeof sockaddr_un::sun_path));
        const auto window = published(kTitle);
        QCOMPARE(QDir(parent).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
                 QStringList(QFileInfo(SingleCopy::folder()).fileName()));
        QVERIFY(QDir(SingleCopy::folder()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!searchAside().found);
    }

private:
    // The sockets' folder made by hand, as a copy makes it.
    static void privateFolder()
    {
        QVERIFY(QDir().mkpath(SingleCopy::folder()));
        QVERIFY(QFile::setPermissions(SingleCopy::folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    std::unique_ptr<QTemporaryDir> runtime_;
};

QTEST_MAIN(SingleCopyTest)
#include "single_copy_test.moc"
