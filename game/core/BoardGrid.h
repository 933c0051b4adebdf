#pragma once

#include "game/core/Positions.h"

#include <array>
#include <cstdint>

namespace pelikor {

// A board laid out as the square it sits in, eight bits a row (bit
// 8 * row + column), so that a whole line of jumps is one shift: a step
// east is one bit up, a step south eight. The eighth column and the
// corners of the square never hold a peg, so no shift wraps onto the
// board from another row.
namespace grid {

inline constexpr int kRowStride = 8;
inline constexpr int kEast = 1;
inline constexpr int kSouth = kRowStride;

namespace detail {

constexpr int kSetBytes = 5;  // position bits 1..33
constexpr int kGridBytes = 7; // one per row

// The image of every byte value at every byte, one way and back.
struct Tables {
    std::array<std::array<std::uint64_t, 256>, kSetBytes> toGrid{};
    std::array<std::array<std::uint64_t, 256>, kGridBytes> fromGrid{};
};

inline constexpr Tables kTables = [] {
    Tables tables{};
    for (int value = 0; value < 256; ++value)
        for (int bit = 0; bit < 8; ++bit) {
            if ((value >> bit & 1) == 0)
                continue;
            for (int byte = 0; byte < kSetBytes; ++byte)
                if (const int n = byte * 8 + bit; isPosition(n))
                    tables.toGrid[byte][value] |= std::uint64_t{1} << (kCells[n].row * kRowStride + kCells[n].column);
            for (int row = 0; row < kGridBytes; ++row)
                if (const int n = positionAt(row, bit); n != 0)
                    tables.fromGrid[row][value] |= std::uint64_t{1} << n;
        }
    return tables;
}();

} // namespace detail

constexpr std::uint64_t fromSet(std::uint64_t setBits)
{
    std::uint64_t squares = 0;
    for (int byte = 0; byte < detail::kSetBytes; ++byte)
        squares |= detail::kTables.toGrid[byte][(setBits >> (8 * byte)) & 0xFF];
    return squares;
}

constexpr std::uint64_t toSet(std::uint64_t squares)
{
    std::uint64_t setBits = 0;
    for (int row = 0; row < detail::kGridBytes; ++row)
        setBits |= detail::kTables.fromGrid[row][(squares >> (8 * row)) & 0xFF];
    return setBits;
}

inline constexpr std::uint64_t kBoard = fromSet(PositionSet::all().bits());

// The squares `steps` steps on from each square of `squares`; a negative
// step goes back.
constexpr std::uint64_t shifted(std::uint64_t squares, int steps)
{
    return steps >= 0 ? squares << steps : squares >> -steps;
}

} // namespace grid

} // namespace pelikor
