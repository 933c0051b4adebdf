#include "game/core/FinishBounds.h"

#include "game/core/JumpMasks.h"

#include <array>

namespace pelikor {

namespace {

constexpr int kResidues = 3;

constexpr std::array<int, kPositionCount + 1> kClassOf = [] {
    std::array<int, kPositionCount + 1> classes{};
    for (int n = 1; n <= kPositionCount; ++n) {
        const int rising = (rowOf(n) + columnOf(n)) % kResidues + 1;
        const int falling = (rowOf(n) - columnOf(n) + kBoardSide * kResidues) % kResidues + 1;
        classes[n] = rising | falling << 2;
    }
    return classes;
}();

int classOf(PositionSet board)
{
    int sum = 0;
    for (int n = 1; n <= kPositionCount; ++n)
        if (board.contains(n))
            sum ^= kClassOf[n];
    return sum;
}

} // namespace

PositionSet lonePegFinishes(PositionSet board)
{
    const int boardClass = classOf(board);
    PositionSet finishes;
    for (int n = 1; n <= kPositionCount; ++n)
        if (kClassOf[n] == boardClass)
            finishes.insert(n);
    return finishes;
}

bool sameClass(PositionSet a, PositionSet b)
{
    return classOf(a) == classOf(b);
}

PositionSet everHeld(PositionSet board)
{
    std::uint64_t pegs = board.bits();
    for (std::uint64_t before = 0; before != pegs;) {
        before = pegs;
        for (const JumpMask& mask : kJumpMasks)
            if ((pegs & mask.moved) == mask.moved)
                pegs |= mask.target;
    }
    return PositionSet::fromBits(pegs);
}

PositionSet stuckPegs(PositionSet board)
{
    const std::uint64_t pegs = board.bits();
    const std::uint64_t held = everHeld(board).bits();
    // A peg may leave when a jump could take it into a position that is
    // empty or that may empty itself; grown until nothing changes.
    std::uint64_t mayLeave = 0;
    for (std::uint64_t before = ~mayLeave; before != mayLeave;) {
        before = mayLeave;
        for (const JumpMask& mask : kJumpMasks)
            if ((held & mask.moved) == mask.moved && (mask.target & pegs & ~mayLeave) == 0)
                mayLeave |= mask.moved & pegs;
    }
    return PositionSet::fromBits(pegs & ~mayLeave);
}

int stuckPegBound(PositionSet board)
{
    const PositionSet stuck = stuckPegs(board);
    return stuck.size() + (stuck == board ? 0 : 1);
}

} // namespace pelikor
