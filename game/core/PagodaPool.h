#pragma once

#include "game/core/Jumps.h"
#include "game/core/Pagoda.h"
#include "game/core/Positions.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

namespace pelikor {

// The pagodas one search has found about fixed boards at one end of play,
// so that a board once ruled out teaches the search to rule out its like
// with a few popcounts instead of a linear program. The fixed boards share
// what is found: a pagoda found for one often rules out others too.
class PagodaPool {
public:
    // Which end of play the fixed boards are: where boards start from, or
    // where they would have to end.
    enum class End { Start, Finish };

    PagodaPool(std::vector<PositionSet> fixed, End end);

    // True when play joins `board` to none of the fixed boards: kept
    // pagodas say so, or, where `mayLearn`, ones found for it now and kept.
    bool rulesOut(PositionSet board, bool mayLearn);

    // Drops from `jumps` (indices in kJumps) those that, taken back from
    // `board`, lead to a board that a kept pagoda weighs above every fixed
    // board, read from the board's own weight: a jump taken back adds what
    // its source and jumped position weigh and takes what its target
    // weighs. All kept pagodas are asked at once, so a board left needs no
    // weighing of its own. Returns how many are left, at the front. Where
    // the fixed boards are where play starts; nothing is learnt.
    int dropJumpsBackRuledOut(PositionSet board, std::span<int> jumps);

private:
    // Enough for the few shapes that recur on one board's kin; the least
    // useful goes first.
    static constexpr std::size_t kMaxKept = 128;
    // The front of the pool, weighed one by one: most boards ruled out are
    // ruled out by one of the first few. A board they miss is weighed under
    // all at once, a position at a time.
    static constexpr std::size_t kFront = 16;

    // Each kept pagoda stays in its slot; the ranks say which are most
    // useful. A pagoda's weights are a few units (it keeps them in eight
    // planes), so a board's weight fits in 16 bits with room to spare.
    using SlotWeights = std::array<std::int16_t, kMaxKept>;
    // The board's weight under each kept pagoda, weighed when first asked.
    struct BoardWeights {
        PositionSet board;
        SlotWeights weights;
        std::bitset<kMaxKept> known{};
        bool all = false;
    };

    bool separated(std::size_t fixed, BoardWeights& board);
    std::size_t separatingSlot(std::size_t fixed, BoardWeights& board);
    void weighAll(BoardWeights& board) const;
    // True where some slot of `heavier` weighs more than that of `lighter`.
    static bool anyHeavier(const SlotWeights& heavier, const SlotWeights& lighter);
    bool learn(std::size_t fixed, BoardWeights& board);
    std::size_t keep(const Pagoda& pagoda);
    bool separates(std::int16_t boardWeight, std::int16_t fixedWeight) const;
    void promote(std::size_t slot);

    std::vector<PositionSet> fixed_;
    std::vector<std::size_t> order_; // of fixed_, the last one not ruled out first
    End end_;
    std::vector<Pagoda> kept_;                // by slot
    std::vector<std::size_t> ranked_;         // slots, the most useful first
    std::array<std::size_t, kMaxKept> rankOf_{};
    std::vector<SlotWeights> fixedWeights_;   // by fixed board
    std::array<SlotWeights, kPositionCount + 1> positionWeights_{};
    // By slot: what the heaviest fixed board weighs, and what a board
    // gains by a jump taken back, by index in kJumps. A slot not yet used
    // weighs nothing and rules nothing out.
    SlotWeights heaviestFixed_{};
    std::array<SlotWeights, kJumpCount> gainsBack_{};
};

} // namespace pelikor
