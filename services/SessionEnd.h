#pragma once

#include "files/core/FileDescriptor.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

// Ends the program's event loop when the session ends the program (logout,
// kill, Ctrl+C: SIGTERM, SIGHUP, SIGINT), so that the program ends as after
// its last window: every destructor runs, and the main window's socket goes
// with it. The signal itself only wakes the loop, which ends between two
// handlers, never inside one, so no file is left half written. The status
// is 0. A signal the program was started to ignore stays ignored. One at
// a time; the signals' earlier actions come back with its end.
class SessionEnd : public QObject {
    Q_OBJECT

public:
    SessionEnd();
    ~SessionEnd() override;

private:
    void takeSignals();
    void endLoop();

    pelikor::FileDescriptor wakeRead_{-1};
    pelikor::FileDescriptor wakeWrite_{-1};
    // Declared after the pipe, so that it stops watching before the pipe
    // closes.
    QSocketNotifier notifier_;
    // A signal that comes while the start has no loop yet (the splash) ends
    // the loop as soon as there is one.
    QTimer waitForLoop_;
};
