#pragma once

#include "files/core/FileDescriptor.h"

// Settles the race of two starts in the same instant, as a double click on
// a launcher makes them: each takes this lock before it searches for a
// running copy and keeps it until its own main window answers that search,
// so that of two starts exactly one finds no copy and the other finds it.
// It is a lock on the folder of the sockets, held for a start only: a copy
// that runs, on its boss screen or not, holds nothing.
class StartLock {
public:
    // How long a start waits for another one before it goes on as if
    // alone: a start that never ends (a stopped process) must not keep
    // every later start from showing anything.
    static constexpr int kPatienceMs = 10000;

    // Waits until no other start holds the lock and takes it. Where the
    // folder cannot be used, nothing is locked and no copy is published.
    StartLock();

    // Whether another start held the lock when this one came.
    bool waited() const { return waited_; }

    // Lets the next start search; the end of the process does the same.
    void release() { folder_ = pelikor::FileDescriptor(-1); }

private:
    pelikor::FileDescriptor folder_{-1};
    bool waited_ = false;
};
