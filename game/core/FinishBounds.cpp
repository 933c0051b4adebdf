#include "game/core/FinishBounds.h"

#include "game/core/BoardGrid.h"
#include "game/core/Jumps.h"

#include <algorithm>
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

std::vector<PositionSet> twoPegFinishes(PositionSet board)
{
    const int boardClass = classOf(board);
    const PositionSet held = everHeld(board);
    std::vector<PositionSet> finishes;
    for (int a = 1; a <= kPositionCount; ++a)
        for (int b = a + 1; b <= kPositionCount; ++b)
            if ((kClassOf[a] ^ kClassOf[b]) == boardClass && held.contains(a) && held.contains(b))
                finishes.push_back({a, b});
    return finishes;
}

std::vector<PositionSet> pairsBeforeLonePeg(PositionSet board)
{
    const PositionSet finishes = lonePegFinishes(board);
    std::vector<PositionSet> pairs;
    for (const Jump& jump : kJumps) {
        const PositionSet pair{jump.source, jump.over};
        if (finishes.contains(jump.target) && std::find(pairs.begin(), pairs.end(), pair) == pairs.end())
            pairs.push_back(pair);
    }
    return pairs;
}

bool sameClass(PositionSet a, PositionSet b)
{
    return classOf(a) == classOf(b);
}

namespace {

constexpr std::array<int, 4> kSteps = {grid::kEast, -grid::kEast, grid::kSouth, -grid::kSouth};

// On the grid: the squares a peg may ever stand on.
std::uint64_t everHeldSquares(std::uint64_t pegs)
{
    for (std::uint64_t before = 0; before != pegs;) {
        before = pegs;
        for (int step : kSteps) {
            // A source with a peg-holding square next to it, one step on.
            const std::uint64_t pairs = pegs & grid::shifted(pegs, -step);
            pegs |= grid::shifted(pairs, 2 * step) & grid::kBoard;
        }
    }
    return pegs;
}

// On the grid: the pegs that may leave their squares, as stuckPegs() says.
std::uint64_t leavingSquares(std::uint64_t pegs)
{
    const std::uint64_t held = everHeldSquares(pegs);
    std::uint64_t mayLeave = 0;
    for (std::uint64_t before = ~mayLeave; before != mayLeave;) {
        before = mayLeave;
        const std::uint64_t free = grid::kBoard & ~(pegs & ~mayLeave);
        for (int step : kSteps) {
            const std::uint64_t sources = held & grid::shifted(held, -step) & grid::shifted(free, -2 * step);
            mayLeave |= (sources | grid::shifted(sources, step)) & pegs;
        }
    }
    return mayLeave;
}

} // namespace

PositionSet everHeld(PositionSet board)
{
    return PositionSet::fromBits(grid::toSet(everHeldSquares(grid::fromSet((board & PositionSet::all()).bits()))));
}

PositionSet stuckPegs(PositionSet board)
{
    const std::uint64_t pegs = grid::fromSet((board & PositionSet::all()).bits());
    return PositionSet::fromBits(grid::toSet(pegs & ~leavingSquares(pegs)));
}

int stuckPegBound(PositionSet board)
{
    const std::uint64_t pegs = grid::fromSet((board & PositionSet::all()).bits());
    const std::uint64_t mayLeave = leavingSquares(pegs);
    return countBits(pegs & ~mayLeave) + (mayLeave != 0 ? 1 : 0);
}

} // namespace pelikor
