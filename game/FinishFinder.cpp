#include "game/FinishFinder.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

FinishFinder::FinishFinder(QObject* parent) : QObject(parent)
{
    pool_.setMaxThreadCount(1);
}

FinishFinder::~FinishFinder()
{
    cancel();
    pool_.waitForDone();
}

void FinishFinder::find(pelikor::PositionSet pegs, int atLeast)
{
    cancel();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    auto* watcher = new Watcher(this);
    current_ = watcher;
    cancelled_ = cancelled;
    connect(watcher, &Watcher::finished, this, [this, watcher, pegs] {
        watcher->deleteLater();
        // A search dropped since gives no answer, whatever it found.
        if (watcher != current_)
            return;
        current_ = nullptr;
        cancelled_.reset();
        if (const std::optional<pelikor::Finish> finish = watcher->result())
            emit found(pegs, *finish);
    });
    watcher->setFuture(
        QtConcurrent::run(&pool_, [pegs, cancelled, atLeast] { return pelikor::bestFinish(pegs, *cancelled, atLeast); }));
}

void FinishFinder::cancel()
{
    if (cancelled_)
        *cancelled_ = true;
    cancelled_.reset();
    current_ = nullptr;
}
