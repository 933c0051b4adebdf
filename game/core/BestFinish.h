#pragma once

#include "game/core/Jumps.h"
#include "game/core/Positions.h"

#include <atomic>
#include <optional>
#include <vector>

namespace pelikor {

// The best finish from a board: the fewest pegs that any sequence of jumps
// can still leave on it, and jumps that leave them.
struct Finish {
    int pegs = 0;
    std::vector<Jump> way; // in order; empty when no jump is open

    // A jump that keeps the best finish within reach: the way's first.
    std::optional<Jump> hint() const;
};

// The best finish from `pegs`, proven by search over the jump rules.
Finish bestFinish(PositionSet pegs);

// The same, given up as soon as `cancelled` is seen true (it is looked at
// every few thousand positions): then none.
std::optional<Finish> bestFinish(PositionSet pegs, const std::atomic<bool>& cancelled);

} // namespace pelikor
