#include "game/WayPlayer.h"

#include "game/BoardPanel.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// A jump every 700 ms: its peg is selected half way through.
constexpr int kHalfJumpMs = 350;

} // namespace

WayPlayer::WayPlayer(BoardPanel& board) : QObject(&board), board_(board)
{
    timer_.setInterval(kHalfJumpMs);
    connect(&timer_, &QTimer::timeout, this, &WayPlayer::step);
    connect(&board_, &BoardPanel::boardChanged, this, &WayPlayer::boardChanged);
}

void WayPlayer::play(const std::vector<pelikor::Jump>& way)
{
    stop();
    if (way.empty())
        return;
    way_ = way;
    next_ = 0;
    selected_ = false;
    // Every press of the program's windows passes here first while the way plays.
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start();
}

void WayPlayer::stop()
{
    if (!playing())
        return;
    timer_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    way_.clear();
}

void WayPlayer::step()
{
    const pelikor::Jump& jump = way_[next_];
    stepping_ = true;
    if (!selected_) {
        board_.selectPeg(jump.source);
    } else {
        board_.jumpInto(jump.target);
        ++next_;
    }
    stepping_ = false;
    selected_ = !selected_;
    if (next_ == way_.size())
        stop();
}

void WayPlayer::boardChanged()
{
    if (!stepping_)
        stop();
}

bool WayPlayer::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)
        stop();
    return false;
}
