#include "game/core/FinishSearch.h"

#include "game/core/FinishBounds.h"
#include "game/core/JumpMasks.h"
#include "game/core/Symmetries.h"

#include <algorithm>
#include <array>
#include <span>

namespace pelikor {

namespace {

using Bits = std::uint64_t;

// The bounds table and the levels share the limit; the pagodas, the way
// and the linear programs take well under a megabyte of what is left.
constexpr std::size_t kBoundsBytes = FinishSearch::kMaxBytes / 2;
constexpr std::size_t kLevelBytes = FinishSearch::kMaxBytes * 3 / 8;
// A linear program costs about as much as a few hundred positions; one is
// spent on a board the kept pagodas miss at most this often, and only on
// boards big enough for a pruned subtree to be worth it.
constexpr std::uint64_t kPositionsPerLearning = 65536;
constexpr std::uint64_t kFreeDownLearnings = 64;
constexpr int kLearnFromPegs = 8;
// Two-peg finishes are many; they are pooled only for a board with enough
// pegs for the proof that none can be reached to be long.
constexpr int kTwoPegPoolFromPegs = 16;
// The budgets of the turns of the two searches for one goal, the last
// search down unbounded. The levels grown stay, while a turn down that
// fails is mostly lost: after a short turn down and a narrow growth of the
// levels, half a million boards down clear most boards that can be
// cleared at all; then the levels grow as wide as most boards that cannot
// be cleared need. A million boards down in another order (below) clear
// most of those left that can be; the levels grow wider, and only then
// does the search down take a long turn. Measured over the benchmark's
// games.
constexpr std::array<std::uint64_t, 3> kPositionBudgets = {std::uint64_t{1} << 15, std::uint64_t{1} << 19,
                                                           std::uint64_t{1} << 20};
constexpr std::array<std::size_t, 3> kLevelBudgets = {std::size_t{1} << 12, std::size_t{1} << 16,
                                                      std::size_t{1} << 17};
// A board that two turns down in the inward order (below) did not clear
// is mostly one that order leads astray in its first few jumps, where a
// wrong turn costs the most. The third turn tries a different kind of
// order there: the boards one jump on with the most open jumps first. In
// the second turn it would cost the boards the inward order clears there
// (measured). A board is that near the one asked when it stands this
// many pegs above the levels.
constexpr int kMostOpenFirstTurn = 2;
constexpr int kMostOpenFirstAbove = 14;

// Squared distance from the centre.
constexpr int spread(int n)
{
    const int row = rowOf(n) - rowOf(kCentre);
    const int column = columnOf(n) - columnOf(kCentre);
    return row * row + column * column;
}

// The jumps that carry a peg furthest in towards the centre come first: a
// board that can be cleared is then cleared after few detours.
constexpr std::array<int, kJumpCount> kInwardFirst = [] {
    std::array<int, kJumpCount> order{};
    for (int i = 0; i < kJumpCount; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](int a, int b) {
        const int inwardA = spread(kJumps[a].source) - spread(kJumps[a].target);
        const int inwardB = spread(kJumps[b].source) - spread(kJumps[b].target);
        return inwardA != inwardB ? inwardA > inwardB : a < b;
    });
    return order;
}();

using JumpOrder = std::array<JumpMask, kJumpCount>;

// That order seen through each symmetry of the board. Which of a board's
// mirror images it clears soonest is luck, so each turn of the search down
// takes the next one.
const std::array<JumpOrder, kSymmetryCount>& jumpOrders()
{
    static const std::array<JumpOrder, kSymmetryCount> orders = [] {
        std::array<JumpOrder, kSymmetryCount> all{};
        for (int s = 0; s < kSymmetryCount; ++s)
            for (int i = 0; i < kJumpCount; ++i)
                all[s][i] = kJumpMasks[transformedJump(kInwardFirst[i], s)];
        return all;
    }();
    return orders;
}

} // namespace

FinishSearch::FinishSearch(PositionSet start, const std::atomic<bool>* cancelled, int atLeast)
    : start_(start & PositionSet::all()), cancelRequest_(cancelled), atLeast_(atLeast), bounds_(kBoundsBytes),
      fromStart_({start_}, PagodaPool::End::Start)
{
}

std::optional<Finish> FinishSearch::run()
{
    const int pegs = start_.size();
    if (pegs <= 1)
        return Finish{pegs, {}};
    // No lone peg can finish off its class; stuck pegs stay whatever is played.
    // A floor above the board's own count is no finish.
    goal_ = std::max({lonePegFinishes(start_).empty() ? 2 : 1, stuckPegBound(start_), std::min(atLeast_, pegs)});
    for (;; ++goal_) {
        if (reachesGoal()) {
            Finish finish{goal_, {wayBack_.rbegin(), wayBack_.rend()}};
            finish.way.insert(finish.way.end(), wayDown_.begin(), wayDown_.end());
            return finish;
        }
        if (stopped_)
            return std::nullopt;
    }
}

// A goal that can be reached is mostly reached soon by the search down from
// the board, and one that cannot on a board of many pegs is mostly refuted
// soon from the other end. The two take turns with growing budgets, each
// keeping what the other did: the bounds found stay true and the levels go
// on where they stopped.
bool FinishSearch::reachesGoal()
{
    toGoal_.reset();
    FinishLevels& levels = levels_.emplace(start_, goal_, fromStart_, kLevelBytes, cancelRequest_);
    const bool levelled = goal_ <= FinishLevels::kMaxGoal;
    for (int turn = 0;; ++turn) {
        poolGoalFinishes(turn);
        // Without levels a turn goes on where the last stopped, its failures
        // known from the bounds table.
        jumpOrder_ = &jumpOrders()[levelled ? turn % kSymmetryCount : 0];
        mostOpenFirst_ = levelled && turn == kMostOpenFirstTurn;
        const bool lastTurn =
            levelled ? std::size_t(turn) == kLevelBudgets.size() || levels.complete() : turn > 0 || !twoPegProof();
        positionLimit_ = lastTurn ? kNoLimit : positions_ + kPositionBudgets[std::size_t(turn)];
        outOfPositions_ = false;
        const bool reached = reaches(start_.bits(), canonical(start_).bits(), start_.size());
        if (reached || stopped_ || !outOfPositions_)
            return reached;
        stopped_ = levelled && !levels.grow(kLevelBudgets[std::size_t(turn)]);
        if (stopped_ || levels.unreachable())
            return false;
    }
}

// Two pegs are mostly left soon where they can be: they are ruled out only
// from the second turn on, and only on boards big enough to pay for it.
bool FinishSearch::twoPegProof() const
{
    return goal_ == 2 && start_.size() >= kTwoPegPoolFromPegs;
}

void FinishSearch::poolGoalFinishes(int turn)
{
    std::vector<PositionSet> finishes;
    if (goal_ == 1 && turn == 0) {
        // Tighter than the lone peg's own positions.
        finishes = pairsBeforeLonePeg(start_);
    } else if (twoPegProof() && turn == 1) {
        finishes = twoPegFinishes(start_);
    }
    if (!finishes.empty())
        toGoal_.emplace(std::move(finishes), PagodaPool::End::Finish);
}

bool FinishSearch::reaches(Bits board, Bits key, int pegs)
{
    if (pegs <= goal_)
        return true;
    if (pegs <= levels_->top()) {
        if (!levels_->contains(board))
            return false;
        levels_->appendWayDown(board, wayDown_);
        return true;
    }
    if (cancelled() || outOfPositions_)
        return false;
    // A board one jump above the goal reaches it by any open jump: it is
    // neither looked up nor bounded.
    const bool tabled = pegs > goal_ + 1;
    if (tabled && (bounds_.lowerBound(key) > goal_ || cannotReachGoal(board, pegs)))
        return false;
    // The children's places in the bounds table are asked for before the
    // first is looked at: the table is far larger than the caches.
    const bool childrenLookedUp = pegs - 1 > std::max(goal_ + 1, levels_->top());
    // The open jumps are written down without a branch each, which would
    // mostly be mispredicted.
    std::array<const JumpMask*, kJumpCount + 1> open;
    int count = 0;
    for (const JumpMask& mask : *jumpOrder_) {
        open[count] = &mask;
        count += int(mask.isOpenOn(board));
    }
    std::array<Child, kJumpCount> children;
    for (int i = 0; i < count; ++i) {
        const Bits child = open[i]->madeOn(board);
        const Bits childKey = childrenLookedUp ? canonical(PositionSet::fromBits(child)).bits() : 0;
        bounds_.prefetch(childKey);
        children[i] = {child, childKey, open[i]};
    }
    if (mostOpenFirst_ && pegs >= levels_->top() + kMostOpenFirstAbove)
        putMostOpenFirst(std::span(children.data(), std::size_t(count)), [](const Child& child) { return child.board; });
    for (int i = 0; i < count; ++i) {
        if (reaches(children[i].board, children[i].key, pegs - 1)) {
            wayBack_.push_back(children[i].mask->jump);
            return true;
        }
        if (stopped_ || outOfPositions_)
            return false;
    }
    if (tabled)
        bounds_.raise(key, goal_ + 1);
    return false;
}

bool FinishSearch::cannotReachGoal(Bits board, int pegs)
{
    const PositionSet set = PositionSet::fromBits(board);
    if (toGoal_) {
        const bool mayLearn = pegs >= kLearnFromPegs && learnings_ <= kFreeDownLearnings + positions_ / kPositionsPerLearning;
        learnings_ += mayLearn;
        if (toGoal_->rulesOut(set, mayLearn))
            return true;
    }
    return stuckPegBound(set) > goal_;
}

bool FinishSearch::cancelled()
{
    if ((++positions_ & FinishLevels::kCancelCheckMask) == 0 && cancelRequest_ && cancelRequest_->load(std::memory_order_relaxed))
        stopped_ = true;
    outOfPositions_ = positions_ >= positionLimit_;
    return stopped_;
}

} // namespace pelikor
