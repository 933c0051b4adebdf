#include "game/core/PagodaPool.h"

#include <algorithm>

namespace pelikor {

namespace {

// Enough for the few shapes that recur on one board's kin; the least
// useful goes first.
constexpr std::size_t kMaxKept = 128;

} // namespace

PagodaPool::PagodaPool(PositionSet fixed, End end) : fixed_(fixed), end_(end) {}

bool PagodaPool::rulesOut(PositionSet board, bool mayLearn)
{
    const auto ruling = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) { return separates(kept, board); });
    if (ruling != kept_.end()) {
        // One step to the front per success: the useful ones gather there.
        if (ruling != kept_.begin())
            std::iter_swap(ruling, ruling - 1);
        return true;
    }
    if (!mayLearn)
        return false;
    const std::optional<Pagoda> pagoda =
        end_ == End::Start ? Pagoda::separating(fixed_, board) : Pagoda::separating(board, fixed_);
    if (!pagoda)
        return false;
    if (kept_.size() == kMaxKept)
        kept_.pop_back();
    kept_.push_back({*pagoda, pagoda->weightOf(fixed_)});
    return true;
}

bool PagodaPool::separates(const Kept& kept, PositionSet board) const
{
    const std::int64_t weight = kept.pagoda.weightOf(board);
    return end_ == End::Start ? weight > kept.fixedWeight : weight < kept.fixedWeight;
}

} // namespace pelikor
