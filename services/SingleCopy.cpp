#include "services/SingleCopy.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <memory>
#include <vector>

#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kMainWindowClass = QStringLiteral("THlavniDialog");
const QString kMainWindowTitle = QStringLiteral("Pelikor 2000");
const QString kFolderPrefix = QStringLiteral("pelikor2000-");
// An answer is two short lines; a peer that sends more is no copy of ours.
constexpr qint64 kLongestAnswer = 4096;
constexpr int kAnswerLines = 2;

// The X display as its one name: ":0.0", "unix:0" and ":0" are the same
// server, so the screen and the local host's spelling are dropped.
QString xDisplayName(QString display)
{
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return display;
    const qsizetype screen = display.indexOf(QLatin1Char('.'), colon);
    if (screen >= 0)
        display.truncate(screen);
    if (display.startsWith(QLatin1String("unix:")))
        display.remove(0, colon);
    return display;
}

// The display's name as a file name: what is not a letter, digit or dot
// becomes "_".
QString displayPart()
{
    QString display = xDisplayName(qEnvironmentVariable("DISPLAY"));
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    for (QChar& c : display) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return display;
}

// Whether the folder is a real folder of this user that no one else may
// enter, so that no other user can plant or read sockets in it.
bool isPrivateFolder(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode)
           && status.st_uid == ::getuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool makePrivateFolder(const QString& path)
{
    // An existing folder is left as it is; only the check below decides.
    ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
    return isPrivateFolder(path);
}

// A socket is named by the process id of its copy.
bool processRuns(const QString& socketName)
{
    bool isNumber = false;
    const pid_t pid = socketName.toInt(&isNumber);
    return isNumber && pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// The socket of a copy that ended without closing it (killed, crashed)
// refuses connections; it is removed so that the folder does not fill up.
void clearIfStale(const QLocalSocket& socket, const QFileInfo& entry)
{
    if (socket.error() == QLocalSocket::ConnectionRefusedError && !processRuns(entry.fileName()))
        QFile::remove(entry.filePath());
}

// Reads one copy's answer, the class name and the title on a line each,
// until the deadline.
QStringList readAnswer(QLocalSocket& socket, const QDeadlineTimer& deadline)
{
    QByteArray answer = socket.readAll();
    while (answer.count('\n') < kAnswerLines && answer.size() <= kLongestAnswer && !deadline.hasExpired()
           && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    return QString::fromUtf8(answer).split(QLatin1Char('\n'));
}

void answer(QLocalServer& server, const QWidget& window)
{
    while (QLocalSocket* peer = server.nextPendingConnection()) {
        QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        const QString text = QString::fromLatin1(window.metaObject()->className()) + QLatin1Char('\n')
                             + window.windowTitle() + QLatin1Char('\n');
        peer->write(text.toUtf8());
        peer->disconnectFromServer();
    }
}

} // namespace

QString SingleCopy::folder()
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // A start from a shell that lost the variable (su, a bare launcher)
    // still meets the copies of the user's session in its runtime folder.
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        const QString session = QStringLiteral("/run/user/%1").arg(::getuid());
        base = isPrivateFolder(session) ? session : QDir::tempPath();
    }
    return base + QLatin1Char('/') + kFolderPrefix + QString::number(::getuid()) + QLatin1Char('-') + displayPart();
}

bool SingleCopy::runningCopyFound()
{
    return findWindow(kMainWindowClass, kMainWindowTitle);
}

bool SingleCopy::findWindow(const QString& className, const QString& title)
{
    const QString path = folder();
    if (!isPrivateFolder(path))
        return false;

    // Every copy is asked at once, so that one that does not answer costs
    // the timeout only once, whatever the number of copies.
    std::vector<std::unique_ptr<QLocalSocket>> copies;
    for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(entry.filePath());
        if (socket->state() == QLocalSocket::UnconnectedState)
            clearIfStale(*socket, entry);
        else
            copies.push_back(std::move(socket));
    }

    const QDeadlineTimer deadline(kAnswerTimeoutMs);
    for (const auto& copy : copies) {
        const QStringList lines = readAnswer(*copy, deadline);
        if (lines.size() > kAnswerLines && lines[0] == className && lines[1] == title)
            return true;
    }
    return false;
}

void SingleCopy::publish(QWidget& window)
{
    const QString path = folder();
    if (!makePrivateFolder(path))
        return;
    const QString name = path + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid());
    // A socket of this name is a dead copy's whose process id came round again.
    QLocalServer::removeServer(name);
    // A child of the window, so that the socket closes and goes with it.
    auto* server = new QLocalServer(&window);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, &window] { answer(*server, window); });
}
