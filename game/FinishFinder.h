#pragma once

#include "game/core/BestFinish.h"
#include "game/core/Positions.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

template <typename T> class QFutureWatcher;

// Looks for the best finish from a board on a thread of its own, so that
// the window goes on answering while the search runs. One search at a
// time: a new one, or a cancel, drops the one before, whose answer never
// arrives. The answer comes back to the finder's thread as a queued event.
class FinishFinder : public QObject {
    Q_OBJECT

public:
    explicit FinishFinder(QObject* parent = nullptr);
    // Cancels the search and waits for its thread, which looks at the flag
    // every few thousand positions.
    ~FinishFinder() override;

    // `atLeast` as for pelikor::bestFinish: the smallest remainder of the
    // board's game.
    void find(pelikor::PositionSet pegs, int atLeast);
    void cancel();

signals:
    // The best finish from `pegs`, the board of the last find.
    void found(pelikor::PositionSet pegs, const pelikor::Finish& finish);

private:
    using Watcher = QFutureWatcher<std::optional<pelikor::Finish>>;

    // The search on one core, as the machine may run other work.
    QThreadPool pool_;
    Watcher* current_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancelled_;
};
