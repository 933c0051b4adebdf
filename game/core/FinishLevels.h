#pragma once

#include "game/core/BoardTable.h"
#include "game/core/Jumps.h"
#include "game/core/PagodaPool.h"
#include "game/core/Positions.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace pelikor {

// Seen from the other end: every board with a given number of pegs that can
// still end with `goal` pegs and that the start may reach, complete level
// by level from the goal up. Each level is grown from the one below by
// taking jumps back and keeping what the start may reach; growth stops at
// the first level that would grow too big, or at the start's own count,
// and may go on later with more room. A board of play at a complete level
// can end with `goal` pegs exactly when the level holds it; an empty level
// proves that the start cannot. Where the start is its own mirror image,
// so is every level, and a level keeps one board for a board and its images.
class FinishLevels {
public:
    // The levels pay for the lone peg and for two pegs, which the search
    // down alone took up to a quarter of a second to rule out on boards
    // that end with three; for three pegs they no longer pay (measured).
    static constexpr int kMaxGoal = 2;
    // The cancel flag is read once this many boards have been looked at,
    // a few microseconds' work apart; one less, as a mask.
    static constexpr std::uint64_t kCancelCheckMask = (std::uint64_t{1} << 12) - 1;

    FinishLevels(PositionSet start, int goal, PagodaPool& fromStart, std::size_t maxBytes,
                 const std::atomic<bool>* cancelled);

    // Adds the levels that hold at most `maxBoards` boards each, while all
    // fit in the memory given. False when cancelled on the way.
    bool grow(std::size_t maxBoards);

    // No board of some level can end with `goal` pegs: neither can the start.
    bool unreachable() const { return unreachable_; }
    // The pegs of the highest complete level; below the goal before any.
    int top() const { return goal_ + int(levels_.size()) - 1; }
    // Every level is there, up to the start's own count.
    bool complete() const { return top() == start_.size(); }
    // For a board reached from the start with at most top() pegs.
    bool contains(std::uint64_t board) const;
    // The jumps from a board the levels hold down to the goal.
    void appendWayDown(std::uint64_t board, std::vector<Jump>& way) const;

private:
    // For each board, the index in kJumps of a jump that leads one level
    // down towards the goal (kAtGoal at the goal).
    struct Level {
        BoardTable boards;
        std::size_t kept = 0;
    };

    Level goalLevel();
    // The one board a level keeps for `board` and its images under the
    // start's symmetries, and the symmetry that takes `board` there.
    std::uint64_t representative(std::uint64_t board, int* symmetry = nullptr) const;
    bool mayBeReached(PositionSet board);
    bool mayLearn();
    bool addLevelAbove(std::size_t maxBoards);
    std::size_t addBoardsBefore(std::uint64_t board, BoardTable& above);

    PositionSet start_;
    int goal_;
    PagodaPool& fromStart_;
    std::size_t maxBytes_;
    std::size_t bytes_ = 0; // of the complete levels
    const std::atomic<bool>* cancelRequest_;
    PositionSet everHeld_;
    PositionSet stuck_;
    std::vector<int> symmetries_; // those that carry the start onto itself
    std::vector<Level> levels_;
    std::optional<Level> partial_; // the level above, while it is too big to keep
    bool unreachable_ = false;
    bool cancelled_ = false;
    std::size_t candidates_ = 0;
    std::size_t learnings_ = 0;
};

} // namespace pelikor
