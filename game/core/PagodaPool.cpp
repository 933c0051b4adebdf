#include "game/core/PagodaPool.h"

#include "game/core/Symmetries.h"

#include <algorithm>
#include <limits>
#include <numeric>

#if defined(__x86_64__)
#define POOL_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define POOL_CLONES
#endif

namespace pelikor {

namespace {

constexpr std::size_t kNoSlot = ~std::size_t{0};

} // namespace

PagodaPool::PagodaPool(std::vector<PositionSet> fixed, End end)
    : fixed_(std::move(fixed)), order_(fixed_.size()), end_(end), fixedWeights_(fixed_.size())
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
        if (mayLearn && learn(*fixed, weights))
            continue;
        // The fixed board that stood is the likeliest to stand next time.
        std::rotate(order_.begin(), fixed, fixed + 1);
        return false;
    }
    return true;
}

bool PagodaPool::separated(std::size_t fixed, BoardWeights& board)
{
    const std::size_t slot = separatingSlot(fixed, board);
    if (slot == kNoSlot)
        return false;
    promote(slot);
    return true;
}

std::size_t PagodaPool::separatingSlot(std::size_t fixed, BoardWeights& board)
{
    const SlotWeights& fixedWeights = fixedWeights_[fixed];
    for (std::size_t rank = 0; rank < std::min(kFront, ranked_.size()); ++rank) {
        const std::size_t slot = ranked_[rank];
        if (!board.known[slot]) {
            board.weights[slot] = std::int16_t(kept_[slot].weightOf(board.board));
            board.known[slot] = true;
        }
        if (separates(board.weights[slot], fixedWeights[slot]))
            return slot;
    }
    if (ranked_.size() <= kFront)
        return kNoSlot;
    weighAll(board);
    // Mostly none separates: that is found for all slots at once, and only
    // then is the first that does looked for. A slot not yet used weighs
    // nothing on either side; the board and the fixed one swap sides at
    // the finish's end.
    const SlotWeights& heavier = end_ == End::Start ? board.weights : fixedWeights;
    const SlotWeights& lighter = end_ == End::Start ? fixedWeights : board.weights;
    if (!anyHeavier(heavier, lighter))
        return kNoSlot;
    std::size_t slot = 0;
    while (!separates(board.weights[slot], fixedWeights[slot]))
        ++slot;
    return slot;
}

// The whole arrays at once, in 16-bit lanes, as wide as the processor has.
POOL_CLONES bool PagodaPool::anyHeavier(const SlotWeights& heavier, const SlotWeights& lighter)
{
    std::int16_t any = 0;
    for (std::size_t slot = 0; slot < kMaxKept; ++slot)
        any = std::int16_t(any | -std::int16_t(heavier[slot] > lighter[slot]));
    return any != 0;
}

// A position at a time over all the slots: the compiler does several slots at once.
POOL_CLONES void PagodaPool::weighAll(BoardWeights& board) const
{
    if (board.all)
        return;
    SlotWeights sum{};
    for (std::uint64_t bits = board.board.bits(); bits != 0; bits &= bits - 1) {
        const SlotWeights& weights = positionWeights_[std::size_t(__builtin_ctzll(bits))];
        for (std::size_t slot = 0; slot < kMaxKept; ++slot)
            sum[slot] = std::int16_t(sum[slot] + weights[slot]);
    }
    board.weights = sum;
    board.known.set();
    board.all = true;
}

// One step to the front per success: the useful ones gather there.
void PagodaPool::promote(std::size_t slot)
{
    const std::size_t rank = rankOf_[slot];
    if (rank == 0)
        return;
    const std::size_t ahead = ranked_[rank - 1];
    std::swap(ranked_[rank], ranked_[rank - 1]);
    rankOf_[slot] = rank - 1;
    rankOf_[ahead] = rank;
}

bool PagodaPool::learn(std::size_t fixed, BoardWeights& board)
{
    const std::optional<Pagoda> pagoda = end_ == End::Start ? Pagoda::separating(fixed_[fixed], board.board)
                                                            : Pagoda::separating(board.board, fixed_[fixed]);
    if (!pagoda)
        return false;
    // Its mirror images come without a linear program, and rule out the
    // mirror images of what it rules out: a start's widest levels keep half
    // as many boards for the same programs. Against the finishes they cost
    // the small boards more than they save (both measured).
    const int images = end_ == End::Start ? kSymmetryCount : 1;
    for (int symmetry = 0; symmetry < images; ++symmetry) {
        const Pagoda image = pagoda->transformed(symmetry);
        if (symmetry > 0 && std::find(kept_.begin(), kept_.end(), image) != kept_.end())
            continue;
        const std::size_t slot = keep(image);
        board.weights[slot] = std::int16_t(image.weightOf(board.board));
        board.known[slot] = true;
    }
    return true;
}

std::size_t PagodaPool::keep(const Pagoda& pagoda)
{
    // The least useful makes room. The new one starts halfway down the
    // ranks, so that its own images, which come right after it, do not
    // push it out before it has had a chance.
    std::size_t slot = kept_.size();
    if (slot == kMaxKept) {
        slot = ranked_.back();
        ranked_.pop_back();
        kept_[slot] = pagoda;
    } else {
        kept_.push_back(pagoda);
    }
    const auto rank = ranked_.begin() + std::ptrdiff_t(std::min(ranked_.size(), kMaxKept / 2));
    for (auto later = ranked_.insert(rank, slot); later != ranked_.end(); ++later)
        rankOf_[*later] = std::size_t(later - ranked_.begin());
    for (int n = 1; n <= kPositionCount; ++n)
        positionWeights_[std::size_t(n)][slot] = std::int16_t(pagoda.weightOf({n}));
    heaviestFixed_[slot] = std::numeric_limits<std::int16_t>::min();
    for (std::size_t f = 0; f < fixed_.size(); ++f) {
        fixedWeights_[f][slot] = std::int16_t(pagoda.weightOf(fixed_[f]));
        heaviestFixed_[slot] = std::max(heaviestFixed_[slot], fixedWeights_[f][slot]);
    }
    for (std::size_t j = 0; j < kJumpCount; ++j)
        gainsBack_[j][slot] = std::int16_t(positionWeights_[std::size_t(kJumps[j].source)][slot] +
                                           positionWeights_[std::size_t(kJumps[j].over)][slot] -
                                           positionWeights_[std::size_t(kJumps[j].target)][slot]);
    return slot;
}

int PagodaPool::dropJumpsBackRuledOut(PositionSet board, std::span<int> jumps)
{
    if (end_ != End::Start || kept_.empty())
        return int(jumps.size());
    // What a board one jump back may gain under each kept pagoda and still
    // be no heavier than the start.
    BoardWeights weights;
    weights.board = board;
    weighAll(weights);
    SlotWeights margins;
    for (std::size_t slot = 0; slot < kMaxKept; ++slot)
        margins[slot] = std::int16_t(heaviestFixed_[slot] - weights.weights[slot]);
    int left = 0;
    for (int jump : jumps) {
        const SlotWeights& gains = gainsBack_[std::size_t(jump)];
        if (!anyHeavier(gains, margins)) {
            jumps[std::size_t(left++)] = jump;
            continue;
        }
        // The first that rules it out, by rank, is the one credited.
        const auto first = std::find_if(ranked_.begin(), ranked_.end(),
                                        [&](std::size_t slot) { return gains[slot] > margins[slot]; });
        if (first != ranked_.end())
            promote(*first);
    }
    return left;
}

bool PagodaPool::separates(std::int16_t boardWeight, std::int16_t fixedWeight) const
{
    return end_ == End::Start ? boardWeight > fixedWeight : boardWeight < fixedWeight;
}

} // namespace pelikor
