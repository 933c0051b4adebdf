#include "setup/core/SmallestRemainder.h"

#include "game/core/Jumps.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace pelikor {

namespace {

using Bits = std::uint64_t;

constexpr int kSymmetryCount = 8;
// Position bits 1..33 lie in the low five bytes of a set's bits.
constexpr int kByteCount = 5;

// Where the symmetry s of the square board (rotations and reflections about
// the centre) takes a row and column.
constexpr Cell transformed(int s, Cell cell)
{
    const int last = kBoardSide - 1;
    Cell turned = (s & 1) ? Cell{cell.column, cell.row} : cell;
    if (s & 2)
        turned.row = last - turned.row;
    if (s & 4)
        turned.column = last - turned.column;
    return turned;
}

// For each symmetry, the image of every byte value at every byte of a set,
// so that a whole set is carried over with five look-ups.
struct SymmetryTables {
    std::array<std::array<std::array<Bits, 256>, kByteCount>, kSymmetryCount> image{};

    SymmetryTables()
    {
        for (int s = 0; s < kSymmetryCount; ++s)
            for (int byte = 0; byte < kByteCount; ++byte)
                for (int value = 0; value < 256; ++value) {
                    Bits bits = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        const int n = byte * 8 + bit;
                        if ((value >> bit & 1) && isPosition(n)) {
                            const Cell to = transformed(s, kCells[n]);
                            bits |= Bits{1} << positionAt(to.row, to.column);
                        }
                    }
                    image[s][byte][value] = bits;
                }
    }

    // The least of a set's eight images: one name for all of them.
    Bits canonical(Bits bits) const
    {
        Bits least = bits;
        for (int s = 1; s < kSymmetryCount; ++s) {
            Bits mapped = 0;
            for (int byte = 0; byte < kByteCount; ++byte)
                mapped |= image[s][byte][(bits >> (8 * byte)) & 0xFF];
            least = mapped < least ? mapped : least;
        }
        return least;
    }
};

// The positions seen so far, by their canonical sets: open addressing,
// doubled whenever half full. 0 marks a free slot; it is no reachable set,
// since a search that reaches the empty board is already done.
class SeenSets {
public:
    // Adds the set; returns false when it was there already.
    bool insert(Bits bits)
    {
        if (2 * (count_ + 1) > slots_.size())
            grow();
        if (!place(slots_, bits))
            return false;
        ++count_;
        return true;
    }

private:
    // The high bits of a multiplicative hash, the well-mixed ones.
    static std::size_t slotOf(Bits bits, std::size_t mask)
    {
        return std::size_t((bits * 0x9E3779B97F4A7C15ULL) >> 24) & mask;
    }

    static bool place(std::vector<Bits>& slots, Bits bits)
    {
        const std::size_t mask = slots.size() - 1;
        for (std::size_t i = slotOf(bits, mask);; i = (i + 1) & mask) {
            if (slots[i] == bits)
                return false;
            if (slots[i] == 0) {
                slots[i] = bits;
                return true;
            }
        }
    }

    void grow()
    {
        std::vector<Bits> larger(slots_.empty() ? 1024 : 2 * slots_.size(), 0);
        for (Bits bits : slots_)
            if (bits != 0)
                place(larger, bits);
        slots_.swap(larger);
    }

    std::vector<Bits> slots_;
    std::size_t count_ = 0;
};

struct JumpMasks {
    Bits full;   // source and jumped position
    Bits target;
};

// Squared distance from the centre.
constexpr int spread(int n)
{
    const int row = rowOf(n) - rowOf(kCentre);
    const int column = columnOf(n) - columnOf(kCentre);
    return row * row + column * column;
}

// The jumps that carry a peg furthest in towards the centre come first: a
// board that can be cleared is then cleared after few detours, so the
// search for one peg ends early.
constexpr std::array<JumpMasks, kJumpCount> kJumpMasks = [] {
    std::array<int, kJumpCount> order{};
    for (int i = 0; i < kJumpCount; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](int a, int b) {
        const int inwardA = spread(kJumps[a].source) - spread(kJumps[a].target);
        const int inwardB = spread(kJumps[b].source) - spread(kJumps[b].target);
        return inwardA != inwardB ? inwardA > inwardB : a < b;
    });
    std::array<JumpMasks, kJumpCount> masks{};
    for (int i = 0; i < kJumpCount; ++i) {
        const Jump& jump = kJumps[order[i]];
        masks[i] = {(Bits{1} << jump.source) | (Bits{1} << jump.over), Bits{1} << jump.target};
    }
    return masks;
}();

class Search {
public:
    explicit Search(Bits start) : best_(std::popcount(start)) { visit(start); }

    int best() const { return best_; }

private:
    void visit(Bits bits)
    {
        const int count = std::popcount(bits);
        if (count < best_)
            best_ = count;
        // No board keeps fewer than one peg: nothing left to find.
        if (best_ <= 1)
            return;
        for (const JumpMasks& jump : kJumpMasks) {
            if ((bits & jump.full) != jump.full || (bits & jump.target) != 0)
                continue;
            const Bits next = bits ^ jump.full ^ jump.target;
            if (seen_.insert(symmetries().canonical(next)))
                visit(next);
            if (best_ <= 1)
                return;
        }
    }

    static const SymmetryTables& symmetries()
    {
        static const SymmetryTables tables;
        return tables;
    }

    SeenSets seen_;
    int best_;
};

} // namespace

int smallestRemainder(PositionSet start)
{
    if (start.size() <= 1)
        return start.size();
    return Search(start.bits()).best();
}

} // namespace pelikor
