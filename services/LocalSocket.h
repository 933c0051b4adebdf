#pragma once

#include "files/core/FileDescriptor.h"

#include <QByteArray>

#include <sys/un.h>

// The address of the socket file at `path`; false when the path does not
// fit in a socket address, which would otherwise name another file.
bool localSocketAddress(const QByteArray& path, sockaddr_un& address);

// A stream socket of the local domain that never blocks the event loop and
// is not inherited by the programs the window starts (the manual).
pelikor::FileDescriptor localStreamSocket();
