#pragma once

#include "GameLayout.h"

namespace pelikor {

inline constexpr int kOptionalGameCount = 7;

// The standard game: the full board less the one position the player removed (1..33).
// Throws std::invalid_argument for any other number.
GameLayout standardLayout(int removed);

// Optional game 1..7 with its fixed layout and the code 11 - game.
// Throws std::invalid_argument for any other number.
GameLayout optionalLayout(int game);

} // namespace pelikor
