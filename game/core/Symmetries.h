#pragma once

#include "game/core/Positions.h"

namespace pelikor {

// The rotations and reflections of the square that carry the cross onto itself.
inline constexpr int kSymmetryCount = 8;

// One name for a set and its seven images under the board's symmetries (the
// least of them): a position and its mirror image leave the same counts.
PositionSet canonical(PositionSet set);

} // namespace pelikor
