#include "game/core/JumpHistory.h"

namespace pelikor {

void JumpHistory::start(PositionSet layout)
{
    layout_ = layout;
    dropSteps();
}

void JumpHistory::record(const Jump& jump)
{
    jumps_.resize(made_);
    jumps_.push_back(jump);
    ++made_;
}

std::optional<Jump> JumpHistory::stepBack()
{
    if (!canUndo())
        return std::nullopt;
    return jumps_[--made_];
}

std::optional<Jump> JumpHistory::stepForward()
{
    if (!canRedo())
        return std::nullopt;
    return jumps_[made_++];
}

void JumpHistory::dropSteps()
{
    jumps_.clear();
    made_ = 0;
}

} // namespace pelikor
