#include "game/core/Monitor.h"

#include "game/core/JumpMasks.h"

#include <algorithm>
#include <bit>

namespace pelikor {

namespace {

// For each position, the positions a peg there would jump over.
constexpr std::array<PositionSet, kPositionCount + 1> kJumpedFrom = [] {
    std::array<PositionSet, kPositionCount + 1> jumped{};
    for (const Jump& jump : kJumps)
        jumped[jump.source].insert(jump.over);
    return jumped;
}();

PositionSet prunedTwins(PositionSet pegs)
{
    // Twins start equal to the pegs on every tick, so a group pruned once
    // cannot keep hiding a peg that a later jump has set free again.
    PositionSet twins = pegs;
    for (const PruningRule& rule : kPruningRules)
        if (pegs.containsAll(rule.group) && !pegs.intersects(rule.mustBeEmpty))
            twins = twins - rule.group;
    return twins;
}

bool anyJumpOpen(PositionSet pegs)
{
    return std::any_of(kJumpMasks.begin(), kJumpMasks.end(), [&](const JumpMask& mask) { return mask.isOpenOn(pegs.bits()); });
}

// The full board that a perfect finish leaves on show while the
// congratulation is open has no jump either, but its count still tells the
// finished game's pegs: it is no board of play and ends nothing again.
bool inPlay(const Board& board)
{
    return board.pegs().size() == board.remaining();
}

} // namespace

bool noPair(PositionSet flags)
{
    for (std::uint64_t bits = (flags & PositionSet::all()).bits(); bits != 0; bits &= bits - 1)
        if (flags.intersects(kJumpedFrom[std::countr_zero(bits)]))
            return false;
    return true;
}

Outcome monitorTick(Board& board, bool boardShown)
{
    const PositionSet pegs = board.pegs();
    if (boardShown) {
        if (pegs == PositionSet{kCentre})
            return Outcome::PerfectFinish;
        if (pegs == kBlockedPositionA || pegs == kBlockedPositionB || noPair(pegs))
            return Outcome::GameOver;
    }
    board.setTwins(prunedTwins(pegs));
    if (noPair(board.twins()))
        return Outcome::GameOver;
    // Last, every other shown board of play without a jump, which the tests
    // above miss: the boards they end keep ending as before, twins and all.
    return boardShown && inPlay(board) && !anyJumpOpen(pegs) ? Outcome::GameOver : Outcome::Nothing;
}

} // namespace pelikor
