#include "game/core/PagodaPool.h"

#include <algorithm>
#include <numeric>

namespace pelikor {

PagodaPool::PagodaPool(std::vector<PositionSet> fixed, End end)
    : fixed_(std::move(fixed)), order_(fixed_.size()), end_(end)
{
    std::iota(order_.begin(), order_.end(), std::size_t{0});
}

bool PagodaPool::rulesOut(PositionSet board, bool mayLearn)
{
    // The weights are left unset: most calls weigh only a few.
    BoardWeights weights;
    weights.board = board;
    for (auto fixed = order_.begin(); fixed != order_.end(); ++fixed) {
        if (separated(*fixed, weights))
            continue;
        if (mayLearn && learn(*fixed, weights)) {
            weights.known.reset(kept_.size() - 1);
            continue;
        }
        // The fixed board that stood is the likeliest to stand next time.
        std::rotate(order_.begin(), fixed, fixed + 1);
        return false;
    }
    return true;
}

bool PagodaPool::separated(std::size_t fixed, BoardWeights& board)
{
    for (std::size_t k = 0; k < kept_.size(); ++k) {
        if (!board.known[k]) {
            board.weights[k] = kept_[k].pagoda.weightOf(board.board);
            board.known[k] = true;
        }
        if (!separates(board.weights[k], kept_[k].fixedWeights[fixed]))
            continue;
        // One step to the front per success: the useful ones gather there.
        if (k > 0) {
            std::swap(kept_[k], kept_[k - 1]);
            std::swap(board.weights[k], board.weights[k - 1]);
            board.known[k] = board.known[k - 1];
            board.known[k - 1] = true;
        }
        return true;
    }
    return false;
}

bool PagodaPool::learn(std::size_t fixed, const BoardWeights& board)
{
    const std::optional<Pagoda> pagoda = end_ == End::Start ? Pagoda::separating(fixed_[fixed], board.board)
                                                            : Pagoda::separating(board.board, fixed_[fixed]);
    if (!pagoda)
        return false;
    if (kept_.size() == kMaxKept)
        kept_.pop_back();
    Kept& kept = kept_.emplace_back(Kept{*pagoda, {}});
    for (PositionSet other : fixed_)
        kept.fixedWeights.push_back(pagoda->weightOf(other));
    return true;
}

bool PagodaPool::separates(std::int64_t boardWeight, std::int64_t fixedWeight) const
{
    return end_ == End::Start ? boardWeight > fixedWeight : boardWeight < fixedWeight;
}

} // namespace pelikor
