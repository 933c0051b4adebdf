#pragma once

#include "game/core/Positions.h"

#include <vector>

namespace pelikor {

// Where a board's last peg can stand, by Conway's position classes: a jump
// never changes the sums over a board's pegs of a value from {1, 2, 3}
// taken by each rising and each falling diagonal in turn (added with
// exclusive or, so that the three positions of a jump add up to nothing).
// A board can end as one peg only on a position of its own class.
PositionSet lonePegFinishes(PositionSet board);
// The pairs of positions a board can end as two pegs on: of its class, and
// each a position a peg of it may ever stand on.
std::vector<PositionSet> twoPegFinishes(PositionSet board);
// The pairs of pegs whose jump leaves a board's lone peg: a board that
// reaches none of them cannot end as one peg.
std::vector<PositionSet> pairsBeforeLonePeg(PositionSet board);
// True when the two boards are of one class, as a board and any board it
// reaches are.
bool sameClass(PositionSet a, PositionSet b);

// Every position a peg of `board` may ever stand on: its pegs, and the
// target of any jump whose source and jumped position may hold pegs.
PositionSet everHeld(PositionSet board);

// The pegs that can never move nor be jumped: every jump that would take
// one needs a position that no peg can ever reach, or lands on a peg that
// is itself stuck. They stay on every board the board reaches.
PositionSet stuckPegs(PositionSet board);

// The fewest pegs a board can end with for its stuck pegs: they stay, and
// the rest, if any, leave at least one more.
int stuckPegBound(PositionSet board);

} // namespace pelikor
