#pragma once

#include "game/core/Positions.h"

namespace pelikor {

// The fewest pegs that any sequence of jumps can leave on a board laid with
// `start`: an exhaustive search of every position reachable from it, each
// counted once up to the board's eight symmetries (a position and its mirror
// image leave the same counts). An empty board leaves none.
int smallestRemainder(PositionSet start);

} // namespace pelikor
