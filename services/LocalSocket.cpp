#include "services/LocalSocket.h"

#include <cstring>

#include <sys/socket.h>

bool localSocketAddress(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    // The path's last byte must stay for the terminating zero.
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

pelikor::FileDescriptor localStreamSocket()
{
    return pelikor::FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}
