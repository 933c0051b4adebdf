#pragma once

#include "game/core/Positions.h"

namespace pelikor {

// The rotations and reflections of the square that carry the cross onto itself.
inline constexpr int kSymmetryCount = 8;

// One name for a set and its seven images under the board's symmetries (the
// least of them): a position and its mirror image leave the same counts.
PositionSet canonical(PositionSet set);

// The image of a set under symmetry s, 0..7; 0 is the identity.
PositionSet transformed(PositionSet set, int symmetry);

// The index in kJumps of the image of jump `index` under symmetry s.
int transformedJump(int index, int symmetry);

// The symmetry that undoes symmetry s.
int inverse(int symmetry);

} // namespace pelikor
