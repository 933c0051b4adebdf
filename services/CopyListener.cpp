#include "services/CopyListener.h"
#include "services/LocalSocket.h"

#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Clients are answered in rounds of this many, so that a flood of
// connections cannot hold the window's event loop; the notifier fires
// again while any are left.
constexpr int kAnswersPerRound = 64;
constexpr int kRestAfterFailureMs = 100;

} // namespace

CopyListener* CopyListener::listen(const QByteArray& path, QWidget& window, const QString& className)
{
    sockaddr_un address{};
    pelikor::FileDescriptor socket = localStreamSocket();
    if (!localSocketAddress(path, address) || !socket.valid())
        return nullptr;
    ::unlink(path.constData());
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return nullptr;
    // The file is made under the umask; it is narrowed to the user before
    // anyone can connect (that needs listen), and until then no other user
    // reaches it, as the folder is the user's alone.
    if (::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(socket.get(), SOMAXCONN) != 0) {
        ::unlink(path.constData());
        return nullptr;
    }
    return new CopyListener(std::move(socket), path, window, className);
}

CopyListener::CopyListener(pelikor::FileDescriptor socket, const QByteArray& path, QWidget& window,
                           const QString& className)
    : QObject(&window), socket_(std::move(socket)), notifier_(socket_.get(), QSocketNotifier::Read), path_(path),
      window_(window), className_(className)
{
    connect(&notifier_, &QSocketNotifier::activated, this, &CopyListener::answerPending);
}

CopyListener::~CopyListener()
{
    ::unlink(path_.constData());
}

void CopyListener::answerPending()
{
    const QByteArray text = (className_ + QLatin1Char('\n') + window_.windowTitle() + QLatin1Char('\n')).toUtf8();
    for (int answered = 0; answered < kAnswersPerRound; ++answered) {
        const pelikor::FileDescriptor client(::accept4(socket_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!client.valid() && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (!client.valid() && errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: the waiting client would wake
            // the notifier again at once, so it rests a while.
            notifier_.setEnabled(false);
            QTimer::singleShot(kRestAfterFailureMs, this, [this] { notifier_.setEnabled(true); });
            return;
        }
        // The answer fits in a new connection's empty buffer, so a client
        // that never reads cannot make it wait; one that has gone already
        // must not end the program by SIGPIPE.
        if (client.valid())
            ::send(client.get(), text.constData(), size_t(text.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
}
