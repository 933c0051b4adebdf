#pragma once

#include "game/core/Positions.h"
#include "setup/core/Game.h"
#include "setup/core/GameLayout.h"

#include <array>

namespace pelikor {

inline constexpr int kOptionalGameCount = 7;
inline constexpr int kGameCount = kOptionalGameCount + 1;

// The eight games in the order of the table view's tabs: the standard game,
// then optional game 7 down to 1, so codes "3" up to "10" (optional game n
// has the code 11 - n).
inline constexpr std::array<Game, kGameCount> kGames = {{
    {"3", "Standardní", 0, PositionSet::all(), 1},
    {"4", "Volitelná 7", 7, PositionSet::all() - PositionSet{2, 14, 17, 20, 32}, 1},
    {"5", "Volitelná 6", 6, PositionSet::all() - PositionSet{10, 16, 17, 18, 24}, 2},
    {"6", "Volitelná 5", 5, PositionSet::all() - PositionSet{1, 3, 7, 13, 21, 27, 31, 33}, 2},
    {"7", "Volitelná 4", 4,
     {4, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 28, 30}, 1},
    {"8", "Volitelná 3", 3, {2, 4, 5, 6, 8, 9, 10, 11, 12, 16, 17, 18, 23, 24, 25}, 1},
    {"9", "Volitelná 2", 2, {9, 10, 11, 16, 17, 18, 23, 24, 25}, 2},
    {"10", "Volitelná 1", 1, {5, 9, 10, 11, 17, 24}, 1},
}};

constexpr const Game& standardGame() { return kGames.front(); }

// Optional game 1..7. Throws std::invalid_argument for any other number.
const Game& optionalGame(int number);

// The standard game's start: the full board less the one position the
// player removed (1..33). Throws std::invalid_argument for any other number.
GameLayout standardLayout(int removed);

// The most common standard start, with the centre taken away.
GameLayout standardLayout();

// Optional game 1..7 with its fixed layout.
// Throws std::invalid_argument for any other number.
GameLayout optionalLayout(int number);

} // namespace pelikor
