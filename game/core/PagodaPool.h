#pragma once

#include "game/core/Pagoda.h"
#include "game/core/Positions.h"

#include <cstdint>
#include <vector>

namespace pelikor {

// The pagodas one search has found about one fixed board, so that a board
// once ruled out teaches the search to rule out its like with a few
// popcounts instead of a linear program.
class PagodaPool {
public:
    // Which end of play the fixed board is: where boards start from, or
    // where they would have to end.
    enum class End { Start, Finish };

    PagodaPool(PositionSet fixed, End end);

    // True when play cannot join `board` and the fixed board: a kept pagoda
    // says so, or, where `mayLearn`, one found for it now and kept.
    bool rulesOut(PositionSet board, bool mayLearn);

private:
    struct Kept {
        Pagoda pagoda;
        std::int64_t fixedWeight;
    };

    bool separates(const Kept& kept, PositionSet board) const;

    PositionSet fixed_;
    End end_;
    std::vector<Kept> kept_; // the most useful first
};

} // namespace pelikor
