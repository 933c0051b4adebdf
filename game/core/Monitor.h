#pragma once

#include "game/core/Board.h"
#include "game/core/Positions.h"

#include <array>

namespace pelikor {

// What one tick of the game monitor found.
enum class Outcome { Nothing, PerfectFinish, GameOver };

// A line of pegs that cannot move: when every peg of `group` is present and
// every position of `mustBeEmpty` is empty, the twins of `group` are pruned.
struct PruningRule {
    PositionSet group;
    PositionSet mustBeEmpty;
};

inline constexpr int kPruningRuleCount = 14;

// The dead groups the monitor knows, in the order it tests them.
inline constexpr std::array<PruningRule, kPruningRuleCount> kPruningRules = {{
    {{1, 2, 3}, {4, 5, 6}},
    {{4, 5, 6}, {1, 2, 3, 9, 10, 11}},
    {{28, 29, 30}, {23, 24, 25, 31, 32, 33}},
    {{31, 32, 33}, {28, 29, 30}},
    {{7, 14, 21}, {8, 15, 22}},
    {{8, 15, 22}, {7, 14, 21, 9, 16, 23}},
    {{13, 20, 27}, {12, 19, 26}},
    {{12, 19, 26}, {11, 18, 25, 13, 20, 27}},
    {PositionSet::range(7, 13), PositionSet{4, 5, 6} | PositionSet::range(14, 20)},
    {PositionSet::range(21, 27), PositionSet::range(14, 20) | PositionSet{28, 29, 30}},
    {PositionSet::range(14, 20), PositionSet::range(7, 13) | PositionSet::range(21, 27)},
    {{1, 4, 9, 16, 23, 28, 31}, {2, 5, 10, 17, 24, 29, 32, 8, 15, 22}},
    {{3, 6, 11, 18, 25, 30, 33}, {2, 5, 10, 17, 24, 29, 32, 12, 19, 26}},
    {{2, 5, 10, 17, 24, 29, 32}, {3, 6, 11, 18, 25, 30, 33, 1, 4, 9, 16, 23, 28, 31}},
}};

// Two whole positions that end a game although adjacent pegs remain.
inline constexpr PositionSet kBlockedPositionA =
    PositionSet{1, 3, 4, 6, 16, 18, 30, 31, 33} | PositionSet::range(7, 13) | PositionSet::range(21, 28);
inline constexpr PositionSet kBlockedPositionB = PositionSet::range(1, 4) | PositionSet::range(6, 14)
    | PositionSet{16, 18} | PositionSet::range(20, 28) | PositionSet::range(30, 33);

// True when no jump has both its source and its jumped position in `flags`,
// that is when no two adjacent positions are both set.
bool noPair(PositionSet flags);

// One tick: the peg tests while the board is shown, then the twin board is
// made equal to the pegs, pruned by the rules, and tested; last, a shown
// board of play on which no jump is open ends the game too. Writes the twins.
Outcome monitorTick(Board& board, bool boardShown);

} // namespace pelikor
