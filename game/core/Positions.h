#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

namespace pelikor {

// Board positions are numbered 1..33 row by row from the top; 17 is the centre.
inline constexpr int kPositionCount = 33;
inline constexpr int kCentre = 17;
inline constexpr int kBoardSide = 7;

struct Cell {
    int row;
    int column;
};

// Row and column (0..6) of every position, index 0 unused.
inline constexpr std::array<Cell, kPositionCount + 1> kCells = [] {
    std::array<Cell, kPositionCount + 1> cells{};
    int position = 1;
    for (int row = 0; row < kBoardSide; ++row) {
        const bool arm = row < 2 || row > 4;
        for (int column = arm ? 2 : 0; column <= (arm ? 4 : 6); ++column)
            cells[position++] = {row, column};
    }
    return cells;
}();

// The number of set bits. std::popcount is a library call on the baseline
// x86-64 that Debian builds for, which the searches would feel.
constexpr int countBits(std::uint64_t bits)
{
    bits -= (bits >> 1) & 0x5555555555555555ULL;
    bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return int((bits * 0x0101010101010101ULL) >> 56);
}

constexpr bool isPosition(int n) { return n >= 1 && n <= kPositionCount; }
constexpr int rowOf(int n) { return kCells[n].row; }
constexpr int columnOf(int n) { return kCells[n].column; }

// The position at a row and column, or 0 where the cross has no position.
constexpr int positionAt(int row, int column)
{
    for (int n = 1; n <= kPositionCount; ++n)
        if (kCells[n].row == row && kCells[n].column == column)
            return n;
    return 0;
}

// A set of positions as a bit mask (bit n for position n), cheap enough
// for the monitor to test whole lines with one comparison.
class PositionSet {
public:
    constexpr PositionSet() = default;
    constexpr PositionSet(std::initializer_list<int> positions)
    {
        for (int n : positions)
            insert(n);
    }
    static constexpr PositionSet fromBits(std::uint64_t bits) { return PositionSet(bits); }
    static constexpr PositionSet all() { return fromBits(((std::uint64_t{1} << kPositionCount) - 1) << 1); }
    static constexpr PositionSet range(int first, int last)
    {
        PositionSet set;
        for (int n = first; n <= last; ++n)
            set.insert(n);
        return set;
    }

    constexpr bool contains(int n) const { return (bits_ >> n) & 1U; }
    constexpr void insert(int n) { bits_ |= std::uint64_t{1} << n; }
    constexpr void erase(int n) { bits_ &= ~(std::uint64_t{1} << n); }
    constexpr void set(int n, bool present) { present ? insert(n) : erase(n); }
    constexpr int size() const { return countBits(bits_); }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr bool containsAll(PositionSet other) const { return (bits_ & other.bits_) == other.bits_; }
    constexpr bool intersects(PositionSet other) const { return (bits_ & other.bits_) != 0; }
    constexpr std::uint64_t bits() const { return bits_; }

    constexpr PositionSet operator|(PositionSet other) const { return fromBits(bits_ | other.bits_); }
    constexpr PositionSet operator&(PositionSet other) const { return fromBits(bits_ & other.bits_); }
    constexpr PositionSet operator-(PositionSet other) const { return fromBits(bits_ & ~other.bits_); }
    constexpr bool operator==(const PositionSet&) const = default;

private:
    constexpr explicit PositionSet(std::uint64_t bits) : bits_(bits) {}
    std::uint64_t bits_ = 0;
};

} // namespace pelikor
