#pragma once

#include "game/core/Positions.h"

#include <QRect>

#include <array>

namespace pictures {

// Where the controls of each position lie, by column and row (0..6).
// The hole places are fixed values, not a formula.
inline constexpr std::array<int, pelikor::kBoardSide> kHoleLefts = {46, 92, 136, 181, 226, 271, 316};
inline constexpr std::array<int, pelikor::kBoardSide> kHoleTops = {46, 90, 136, 180, 225, 270, 315};
inline constexpr int kHoleSize = 30;
inline constexpr int kPegSize = 40;
inline constexpr int kDecorationSize = 30;

// The peg of position n on the board panel.
inline QRect pegRect(int n)
{
    return {41 + 45 * pelikor::columnOf(n), 40 + 45 * pelikor::rowOf(n), kPegSize, kPegSize};
}

// The hole of position n on the board panel.
inline QRect holeRect(int n)
{
    return {kHoleLefts[pelikor::columnOf(n)], kHoleTops[pelikor::rowOf(n)], kHoleSize, kHoleSize};
}

// The decorative peg of position n on the idle screen.
inline QRect decorationRect(int n)
{
    return {79 + 35 * pelikor::columnOf(n), 135 + 35 * pelikor::rowOf(n), kDecorationSize, kDecorationSize};
}

} // namespace pictures
