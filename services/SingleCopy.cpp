#include "services/SingleCopy.h"
#include "services/CopyListener.h"
#include "services/LocalSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

#include <vector>

#include <cerrno>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kMainWindowTitle = QStringLiteral("Pelikor 2000");
const QString kFolderPrefix = QStringLiteral("pelikor2000-");
// An answer is two short lines; a peer that sends more is no copy of ours.
constexpr qsizetype kLongestAnswer = 4096;
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

// A socket is named by the process id of its copy.
bool processRuns(const QString& socketName)
{
    bool isNumber = false;
    const pid_t pid = socketName.toInt(&isNumber);
    return isNumber && pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// Connects to the socket of one copy; invalid when no copy can answer there.
pelikor::FileDescriptor ask(const QFileInfo& entry)
{
    const QByteArray path = QFile::encodeName(entry.filePath());
    sockaddr_un address{};
    pelikor::FileDescriptor socket = localStreamSocket();
    if (!localSocketAddress(path, address) || !socket.valid())
        return pelikor::FileDescriptor(-1);
    // A connect that a signal interrupts goes on by itself; the answer
    // tells whether it was made.
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 || errno == EINTR)
        return socket;
    // The socket of a copy that ended without closing it (killed, crashed)
    // refuses connections; it is removed so that the folder does not fill up.
    if (errno == ECONNREFUSED && !processRuns(entry.fileName()))
        ::unlink(path.constData());
    // A copy whose queue of connections is full (EAGAIN, only under a flood
    // of thousands of clients it has not answered) counts as not found.
    return pelikor::FileDescriptor(-1);
}

bool isWhole(const QByteArray& answer)
{
    return answer.count('\n') >= kAnswerLines || answer.size() >= kLongestAnswer;
}

// Reads what a copy has sent so far; false when it will send nothing more
// that counts.
bool readsOn(int socket, QByteArray& answer)
{
    char buffer[kLongestAnswer];
    for (;;) {
        const ssize_t got = ::recv(socket, buffer, size_t(kLongestAnswer - answer.size()), MSG_DONTWAIT);
        if (got > 0) {
            answer.append(buffer, got);
            return !isWhole(answer);
        }
        if (got < 0 && errno != EINTR)
            return errno == EAGAIN || errno == EWOULDBLOCK;
        if (got == 0)
            return false;
    }
}

// An answer is the class name and the title, on a line each.
bool answersWith(const QByteArray& answer, const QString& className, const QString& title)
{
    const QStringList lines = QString::fromUtf8(answer).split(QLatin1Char('\n'));
    return lines.size() > kAnswerLines && lines[0] == className && lines[1] == title;
}

} // namespace

const QString SingleCopy::kMainWindowClass = QStringLiteral("THlavniDialog");

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

bool SingleCopy::makeFolder()
{
    const QString path = folder();
    // An existing folder is left as it is; only the check below decides.
    ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
    return isPrivateFolder(path);
}

bool SingleCopy::runningCopyFound(int answerTimeoutMs)
{
    return findWindow(kMainWindowClass, kMainWindowTitle, answerTimeoutMs);
}

bool SingleCopy::findWindow(const QString& className, const QString& title, int answerTimeoutMs)
{
    const QString path = folder();
    if (!isPrivateFolder(path))
        return false;

    // Every copy is asked at once and all answers are awaited together, so
    // that one that does not answer costs the timeout only once, whatever
    // the number of copies.
    std::vector<pelikor::FileDescriptor> copies;
    for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        if (pelikor::FileDescriptor socket = ask(entry); socket.valid())
            copies.push_back(std::move(socket));
    }
    std::vector<pollfd> waiting;
    for (const pelikor::FileDescriptor& copy : copies)
        waiting.push_back({copy.get(), POLLIN, 0});
    std::vector<QByteArray> answers(copies.size());

    const QDeadlineTimer deadline(answerTimeoutMs);
    for (size_t open = copies.size(); open > 0 && !deadline.hasExpired();) {
        if (::poll(waiting.data(), nfds_t(waiting.size()), int(deadline.remainingTime())) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (size_t i = 0; i < waiting.size(); ++i) {
            if (waiting[i].fd < 0 || waiting[i].revents == 0 || readsOn(waiting[i].fd, answers[i]))
                continue;
            if (answersWith(answers[i], className, title))
                return true;
            // A negative descriptor is left out of the next polls.
            waiting[i].fd = -1;
            --open;
        }
    }
    return false;
}

void SingleCopy::publish(QWidget& window, const QString& className)
{
    if (!makeFolder())
        return;
    const QString name = folder() + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid());
    // A socket of this name is a dead copy's whose process id came round
    // again; the listener takes its place.
    CopyListener::listen(QFile::encodeName(name), window, className);
}
