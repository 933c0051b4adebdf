#include "services/SessionEnd.h"

#include <QCoreApplication>
#include <QThread>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSessionSignals{SIGTERM, SIGHUP, SIGINT};
// How often a start that was ended before its event loop ran looks whether
// the loop runs now.
constexpr int kLoopCheckMs = 20;

// The pipe's end the handler writes to; a handler may touch nothing else.
volatile sig_atomic_t wakeDescriptor = -1;

void wakeLoop(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe holds a wake-up already.
    [[maybe_unused]] const ssize_t written = ::write(wakeDescriptor, &byte, 1);
    errno = saved;
}

std::array<struct sigaction, kSessionSignals.size()> previousActions{};

void takeOverSignals()
{
    struct sigaction action {};
    action.sa_handler = wakeLoop;
    // The calls the signal interrupts go on as if nothing had happened.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSessionSignals.size(); ++i) {
        ::sigaction(kSessionSignals[i], nullptr, &previousActions[i]);
        // A signal the program was started to ignore (nohup) stays ignored.
        if (previousActions[i].sa_handler != SIG_IGN)
            ::sigaction(kSessionSignals[i], &action, nullptr);
    }
}

void giveBackSignals()
{
    for (std::size_t i = 0; i < kSessionSignals.size(); ++i)
        ::sigaction(kSessionSignals[i], &previousActions[i], nullptr);
}

} // namespace

SessionEnd::SessionEnd() : notifier_(QSocketNotifier::Read)
{
    int ends[2] = {-1, -1};
    // Without the pipe (no descriptor left) the signals keep their default
    // action rather than be lost.
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    wakeRead_ = pelikor::FileDescriptor(ends[0]);
    wakeWrite_ = pelikor::FileDescriptor(ends[1]);
    notifier_.setSocket(wakeRead_.get());
    notifier_.setEnabled(true);
    connect(&notifier_, &QSocketNotifier::activated, this, &SessionEnd::takeSignals);
    waitForLoop_.setInterval(kLoopCheckMs);
    connect(&waitForLoop_, &QTimer::timeout, this, &SessionEnd::endLoop);
    wakeDescriptor = wakeWrite_.get();
    takeOverSignals();
}

SessionEnd::~SessionEnd()
{
    if (!wakeWrite_.valid())
        return;
    giveBackSignals();
    wakeDescriptor = -1;
}

void SessionEnd::takeSignals()
{
    char bytes[64];
    while (::read(wakeRead_.get(), bytes, sizeof bytes) > 0) {
    }
    endLoop();
}

void SessionEnd::endLoop()
{
    // The application's exit does nothing while no loop runs: the start
    // processes events before its loop, during the splash.
    if (QThread::currentThread()->loopLevel() == 0) {
        waitForLoop_.start();
        return;
    }
    waitForLoop_.stop();
    QCoreApplication::exit(0);
}
