#pragma once

#include "game/core/SlotArray.h"

#include <cstddef>
#include <cstdint>

namespace pelikor {

// Boards, by their canonical bits, with the fewest pegs they are proven
// unable to go below. A cache of bounded size: it starts small, doubles
// while it fills up to its limit, and then lets a new board take the place
// of the one with fewest pegs in its bucket, whose proof is cheapest to
// make again. Forgetting costs time, never exactness.
class ProvenBounds {
public:
    explicit ProvenBounds(std::size_t maxBytes);

    // The proven bound of a board, 0 when none is known.
    int lowerBound(std::uint64_t board) const;
    // Brings the board's bucket towards the cache for a lookup soon.
    void prefetch(std::uint64_t board) const { __builtin_prefetch(&slots_[bucketOf(board, slots_.size())]); }
    // Records that `board` cannot end with fewer than `bound` pegs.
    void raise(std::uint64_t board, int bound);

private:
    static std::size_t bucketOf(std::uint64_t board, std::size_t slotCount);
    // Returns true when the board was there already.
    static bool place(SlotArray& slots, std::uint64_t board, int bound);
    void grow();

    std::size_t maxSlots_;
    SlotArray slots_; // board bits | bound << kBoundShift; 0 is free
    std::size_t count_ = 0;
};

} // namespace pelikor
