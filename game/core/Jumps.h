#pragma once

#include "game/core/Positions.h"

#include <array>
#include <cstddef>
#include <span>

namespace pelikor {

// A jump of the peg at `source` over the peg at `over` into the empty `target`.
struct Jump {
    int source;
    int over;
    int target;
    constexpr bool operator==(const Jump&) const = default;
};

inline constexpr int kJumpCount = 76;

// A jump the rules allow on `pegs`: a peg at the source, a peg beside it to
// jump over and the empty position behind that.
constexpr bool isOpen(const Jump& jump, PositionSet pegs)
{
    return pegs.contains(jump.source) && pegs.contains(jump.over) && !pegs.contains(jump.target);
}

// All jumps grouped by target 1..33, each group in the order in which a
// click on the target hole tries them.
inline constexpr std::array<Jump, kJumpCount> kJumps = {{
    {9, 4, 1},    {3, 2, 1},
    {10, 5, 2},
    {11, 6, 3},   {1, 2, 3},
    {16, 9, 4},   {6, 5, 4},
    {17, 10, 5},
    {18, 11, 6},  {4, 5, 6},
    {21, 14, 7},  {9, 8, 7},
    {22, 15, 8},  {10, 9, 8},
    {23, 16, 9},  {1, 4, 9},    {7, 8, 9},    {11, 10, 9},
    {24, 17, 10}, {2, 5, 10},   {8, 9, 10},   {12, 11, 10},
    {25, 18, 11}, {3, 6, 11},   {9, 10, 11},  {13, 12, 11},
    {26, 19, 12}, {10, 11, 12},
    {27, 20, 13}, {11, 12, 13},
    {16, 15, 14},
    {17, 16, 15},
    {28, 23, 16}, {4, 9, 16},   {14, 15, 16}, {18, 17, 16},
    {29, 24, 17}, {5, 10, 17},  {15, 16, 17}, {19, 18, 17},
    {30, 25, 18}, {6, 11, 18},  {16, 17, 18}, {20, 19, 18},
    {17, 18, 19},
    {18, 19, 20},
    {7, 14, 21},  {23, 22, 21},
    {8, 15, 22},  {24, 23, 22},
    {21, 22, 23}, {9, 16, 23},  {31, 28, 23}, {25, 24, 23},
    {22, 23, 24}, {26, 25, 24}, {10, 17, 24}, {32, 29, 24},
    {33, 30, 25}, {23, 24, 25}, {27, 26, 25}, {11, 18, 25},
    {24, 25, 26}, {12, 19, 26},
    {25, 26, 27}, {13, 20, 27},
    {16, 23, 28}, {30, 29, 28},
    {17, 24, 29},
    {28, 29, 30}, {18, 25, 30},
    {33, 32, 31}, {23, 28, 31},
    {24, 29, 32},
    {31, 32, 33}, {25, 30, 33},
}};

namespace detail {

// Where each target's group starts in kJumps (the table is sorted by target).
inline constexpr std::array<int, kPositionCount + 2> kJumpGroupStarts = [] {
    std::array<int, kPositionCount + 2> starts{};
    int index = 0;
    for (int target = 1; target <= kPositionCount + 1; ++target) {
        starts[target] = index;
        while (index < kJumpCount && kJumps[index].target == target)
            ++index;
    }
    return starts;
}();

} // namespace detail

// The candidates for one target position, in checking order; empty for a
// number that is not a position.
constexpr std::span<const Jump> jumpsInto(int target)
{
    if (!isPosition(target))
        return {};
    const int begin = detail::kJumpGroupStarts[target];
    return {kJumps.data() + begin, static_cast<std::size_t>(detail::kJumpGroupStarts[target + 1] - begin)};
}

} // namespace pelikor
