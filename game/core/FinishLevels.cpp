#include "game/core/FinishLevels.h"

#include "game/core/FinishBounds.h"
#include "game/core/JumpMasks.h"
#include "game/core/Symmetries.h"

#include <array>
#include <span>

namespace pelikor {

namespace {

// A linear program is spent on a board the kept pagodas miss at most this
// often: most boards they miss are kept anyway.
constexpr std::size_t kCandidatesPerLearning = 1024;
constexpr std::size_t kFreeUpLearnings = 64;
constexpr std::uint8_t kAtGoal = 0xFE;

// Every board of `count` pegs drawn from `positions`, passed to `use`.
template <typename Use>
void forEachBoard(PositionSet positions, int count, std::uint64_t chosen, int from, Use&& use)
{
    if (count == 0) {
        use(PositionSet::fromBits(chosen));
        return;
    }
    for (int n = from; n <= kPositionCount; ++n)
        if (positions.contains(n))
            forEachBoard(positions, count - 1, chosen | std::uint64_t{1} << n, n + 1, use);
}

} // namespace

FinishLevels::FinishLevels(PositionSet start, int goal, PagodaPool& fromStart, std::size_t maxBytes,
                           const std::atomic<bool>* cancelled)
    : start_(start), goal_(goal), fromStart_(fromStart), maxBytes_(maxBytes), cancelRequest_(cancelled),
      everHeld_(everHeld(start)),
      stuck_(stuckPegs(start))
{
    for (int s = 0; s < kSymmetryCount; ++s)
        if (transformed(start, s) == start)
            symmetries_.push_back(s);
}

std::uint64_t FinishLevels::representative(std::uint64_t board, int* symmetry) const
{
    std::uint64_t least = board;
    for (int s : symmetries_) {
        const std::uint64_t image = transformed(PositionSet::fromBits(board), s).bits();
        if (image <= least) {
            least = image;
            if (symmetry)
                *symmetry = s;
        }
    }
    return least;
}

bool FinishLevels::grow(std::size_t maxBoards)
{
    if (levels_.empty()) {
        levels_.push_back(goalLevel());
        bytes_ = levels_.back().boards.bytes();
        unreachable_ = levels_.back().kept == 0;
    }
    while (!unreachable_ && !complete() && addLevelAbove(maxBoards)) {
    }
    if (cancelled_)
        return false;
    if (complete() && !contains(start_.bits()))
        unreachable_ = true;
    return true;
}

bool FinishLevels::contains(std::uint64_t board) const
{
    const int level = countBits(board) - goal_;
    if (level < 0)
        return false;
    const std::uint8_t down = levels_[std::size_t(level)].boards.find(representative(board));
    return down != BoardTable::kAbsent;
}

void FinishLevels::appendWayDown(std::uint64_t board, std::vector<Jump>& way) const
{
    for (int level = countBits(board) - goal_; level > 0; --level) {
        // The level keeps an image of the board, with a jump down from there.
        int symmetry = 0;
        const int down = levels_[std::size_t(level)].boards.find(representative(board, &symmetry));
        const JumpMask& mask = kJumpMasks[transformedJump(down, inverse(symmetry))];
        way.push_back(mask.jump);
        board = mask.madeOn(board);
    }
}

FinishLevels::Level FinishLevels::goalLevel()
{
    Level level;
    forEachBoard(everHeld_, goal_, 0, 1, [&](PositionSet board) {
        if (sameClass(board, start_) && representative(board.bits()) == board.bits() && mayBeReached(board)) {
            level.boards.insert(board.bits(), kAtGoal);
            ++level.kept;
        }
    });
    return level;
}

// What the start may reach: its stuck pegs stay, no peg stands where none
// can come, and no pagoda weighs it above the start.
bool FinishLevels::mayBeReached(PositionSet board)
{
    if (!board.containsAll(stuck_) || !everHeld_.containsAll(board))
        return false;
    return !fromStart_.rulesOut(board, mayLearn());
}

// A linear program is spent on a board the kept pagodas miss at most so often.
bool FinishLevels::mayLearn()
{
    if ((++candidates_ & kCancelCheckMask) == 0 && cancelRequest_ && cancelRequest_->load(std::memory_order_relaxed))
        cancelled_ = true;
    const bool may = learnings_ <= kFreeUpLearnings + candidates_ / kCandidatesPerLearning;
    learnings_ += may;
    return may;
}

// False when the level would be too big to keep, or growth was cancelled.
bool FinishLevels::addLevelAbove(std::size_t maxBoards)
{
    // A level given up for its size goes on where it stopped: the boards
    // kept stay, and the rest are weighed again.
    Level level = std::move(partial_).value_or(Level{});
    partial_.reset();
    levels_.back().boards.forEach([&](std::uint64_t board, std::uint8_t) {
        if (level.kept > maxBoards || bytes_ + level.boards.bytes() > maxBytes_ || cancelled_)
            return;
        level.kept += addBoardsBefore(board, level.boards);
    });
    if (bytes_ + level.boards.bytes() > maxBytes_ || cancelled_)
        return false;
    if (level.kept > maxBoards) {
        partial_ = std::move(level);
        return false;
    }
    unreachable_ = level.kept == 0;
    bytes_ += level.boards.bytes();
    levels_.push_back(std::move(level));
    return true;
}

// The boards one jump before `board` that the start may reach, each kept in
// `above` unless it is there already; returns how many were new.
std::size_t FinishLevels::addBoardsBefore(std::uint64_t board, BoardTable& above)
{
    struct Before {
        std::uint64_t board;
        int down; // the jump that leads back to `board`
    };
    // The jumps taken back: a target's peg returns to the source and the
    // jumped position, which must be where a peg may stand, and leaves no
    // stuck peg's position empty. The pagodas rule out most of the rest at
    // once, without a look at the table.
    // Each is written down and counted only if open: a branch per jump
    // would mostly be mispredicted.
    std::array<int, kJumpCount + 1> jumpsBack;
    const std::uint64_t emptyMayHold = everHeld_.bits() & ~board;
    const std::uint64_t leftMayEmpty = board & ~stuck_.bits();
    int open = 0;
    for (int index = 0; index < kJumpCount; ++index) {
        const JumpMask& mask = kJumpMasks[index];
        jumpsBack[open] = index;
        open += int((leftMayEmpty & mask.target) != 0) & int((emptyMayHold & mask.moved) == mask.moved);
    }
    open = fromStart_.dropJumpsBackRuledOut(PositionSet::fromBits(board), std::span(jumpsBack.data(), open));
    std::array<Before, kJumpCount> boards;
    int count = 0;
    for (int index : std::span(jumpsBack.data(), open)) {
        int symmetry = 0;
        const std::uint64_t before = representative(kJumpMasks[index].madeOn(board), &symmetry);
        // All are asked for before the first is looked at: the table is
        // larger than the caches.
        above.prefetch(before);
        boards[count++] = {before, transformedJump(index, symmetry)};
    }
    std::size_t kept = 0;
    for (int i = 0; i < count; ++i) {
        if (above.find(boards[i].board) != BoardTable::kAbsent)
            continue;
        // The kept pagodas all missed it; a new one may not.
        if (mayLearn() && fromStart_.rulesOut(PositionSet::fromBits(boards[i].board), true))
            continue;
        above.insert(boards[i].board, std::uint8_t(boards[i].down));
        ++kept;
    }
    return kept;
}

} // namespace pelikor
