#pragma once

#include "game/core/BestFinish.h"
#include "game/core/FinishLevels.h"
#include "game/core/JumpMasks.h"
#include "game/core/PagodaPool.h"
#include "game/core/ProvenBounds.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace pelikor {

// One search for the best finish from one board: can the board be brought
// down to `goal` pegs, for a goal rising from what the bounds allow; the
// first yes is the answer and its jumps the way. Each goal meets in the
// middle: the levels of boards that can end with the goal grow from the
// other end while they stay small, and the search down from the board
// looks boards up there once it reaches them.
class FinishSearch {
public:
    // Memory the search may take, its bounds table and all, given back when it ends.
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    // The search begins at `atLeast` pegs where the bounds allow fewer.
    FinishSearch(PositionSet start, const std::atomic<bool>* cancelled, int atLeast = 0);

    // The best finish, or none when the search was cancelled.
    std::optional<Finish> run();

private:
    // False when the goal cannot be reached or the search was cancelled.
    bool reachesGoal();
    // The pool of the goal's finishes, for the goals and turns where it pays.
    void poolGoalFinishes(int turn);
    // True where the goal is two pegs and their finishes are worth pooling.
    bool twoPegProof() const;
    // A board one jump on, with its canonical bits where it will be looked up.
    struct Child {
        std::uint64_t board;
        std::uint64_t key;
        const JumpMask* mask;
    };

    bool reaches(std::uint64_t board, std::uint64_t key, int pegs);
    bool cannotReachGoal(std::uint64_t board, int pegs);
    bool cancelled();

    PositionSet start_;
    const std::atomic<bool>* cancelRequest_;
    int atLeast_;
    static constexpr std::uint64_t kNoLimit = ~std::uint64_t{0};

    bool stopped_ = false;
    // A short search gives up past its limit, with nothing proven wrong.
    std::uint64_t positionLimit_ = kNoLimit;
    bool outOfPositions_ = false;
    int goal_ = 0;
    std::uint64_t positions_ = 0;
    std::uint64_t learnings_ = 0;
    ProvenBounds bounds_;
    PagodaPool fromStart_;
    std::optional<PagodaPool> toGoal_; // the finishes of the goal being tried, where pooled
    std::optional<FinishLevels> levels_; // of the goal being tried
    const std::array<JumpMask, kJumpCount>* jumpOrder_ = nullptr; // of this turn
    bool mostOpenFirst_ = false;                                  // in this turn, near the board asked
    std::vector<Jump> wayBack_; // the jumps down to the levels, last first
    std::vector<Jump> wayDown_; // the jumps from the levels on
};

} // namespace pelikor
