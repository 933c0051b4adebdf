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
// `atLeast` is a count the finish is known not to go below, such as the
// smallest remainder of the game the board was reached in: no board of a
// game ends with fewer pegs than its start can. The search takes it as
// given and does not prove it again; a board that cannot be cleared to one
// peg is mostly slow to prove so.
Finish bestFinish(PositionSet pegs, int atLeast = 0);

// The same, given up as soon as `cancelled` is seen true (it is looked at
// every few thousand positions): then none.
std::optional<Finish> bestFinish(PositionSet pegs, const std::atomic<bool>& cancelled, int atLeast = 0);

} // namespace pelikor
