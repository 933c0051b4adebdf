#pragma once

#include "game/core/Pagoda.h"
#include "game/core/Positions.h"

#include <array>
#include <bitset>
#include <cstdint>
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

private:
    // Enough for the few shapes that recur on one board's kin; the least
    // useful goes first.
    static constexpr std::size_t kMaxKept = 128;

    struct Kept {
        Pagoda pagoda;
        std::vector<std::int64_t> fixedWeights; // one per fixed board
    };
    // The board's weight under each kept pagoda, weighed when first asked.
    struct BoardWeights {
        PositionSet board;
        std::array<std::int64_t, kMaxKept> weights;
        std::bitset<kMaxKept> known{};
    };

    bool separated(std::size_t fixed, BoardWeights& board);
    bool learn(std::size_t fixed, const BoardWeights& board);
    bool separates(std::int64_t boardWeight, std::int64_t fixedWeight) const;

    std::vector<PositionSet> fixed_;
    std::vector<std::size_t> order_; // of fixed_, the last one not ruled out first
    End end_;
    std::vector<Kept> kept_; // the most useful first
};

} // namespace pelikor
