#include "services/StartLock.h"

#include "services/SingleCopy.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace {

// A start takes a second or so; waiting in steps this short costs the
// waiting start nothing it would notice.
constexpr int kLockRetryMs = 5;

} // namespace

StartLock::StartLock()
{
    if (!SingleCopy::makeFolder())
        return;
    folder_ = pelikor::FileDescriptor(
        ::open(QFile::encodeName(SingleCopy::folder()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const QDeadlineTimer deadline(kPatienceMs);
    while (folder_.valid() && ::flock(folder_.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            release();
            return;
        }
        waited_ = true;
        QThread::msleep(kLockRetryMs);
    }
}
