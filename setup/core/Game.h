#pragma once

#include "game/core/Positions.h"

#include <string_view>

namespace pelikor {

// One of the eight games: how the best table and the running board name it,
// how the table view captions it, and where its pegs stand at the start.
struct Game {
    std::string_view code;    // HRA in the best table, the game-code label while it runs
    std::string_view caption; // tab of the table view (UTF-8)
    int optionalNumber;       // 1..7; 0 for the standard game
    // The start; for the standard game the full board, from which the
    // player takes one peg away.
    PositionSet layout;
    // The fewest pegs the best play from the start leaves; for the standard
    // game the same whichever peg was taken away.
    int smallestRemainder;
};

} // namespace pelikor
