#pragma once

#include "game/core/Jumps.h"
#include "game/core/Positions.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace pelikor {

// The jumps of the game on the board since it was laid, with the layout it
// started from: the steps that undo walks back and redo forward again.
class JumpHistory {
public:
    // A new game from `layout`: no steps yet.
    void start(PositionSet layout);
    // A jump made on the board; the steps that were undone are dropped.
    void record(const Jump& jump);
    // The last jump made, which the board takes back, or none at the start.
    std::optional<Jump> stepBack();
    // The last jump taken back, which the board makes again, or none.
    std::optional<Jump> stepForward();
    // The game on the board is over: no step can be undone or redone, but
    // the layout stays, so the same game can be laid again.
    void dropSteps();

    bool canUndo() const { return made_ > 0; }
    bool canRedo() const { return made_ < jumps_.size(); }
    PositionSet layout() const { return layout_; }

private:
    PositionSet layout_;
    std::vector<Jump> jumps_; // made, then the ones undone after them
    std::size_t made_ = 0;
};

} // namespace pelikor
