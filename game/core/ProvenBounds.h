#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

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
    void prefetch(std::uint64_t board) const { __builtin_prefetch(&slots_[bucketOf(board, slotCount_)]); }
    // Records that `board` cannot end with fewer than `bound` pegs.
    void raise(std::uint64_t board, int bound);

private:
    struct FreeSlots {
        void operator()(std::uint64_t* slots) const;
    };
    using Slots = std::unique_ptr<std::uint64_t[], FreeSlots>;

    // Zeroed slots; a large table asks for huge pages, since the search
    // reads it at random and would otherwise miss the TLB on every look.
    static Slots allocate(std::size_t count);
    static std::size_t bucketOf(std::uint64_t board, std::size_t slotCount);
    // Returns true when the board was there already.
    static bool place(std::uint64_t* slots, std::size_t slotCount, std::uint64_t board, int bound);
    void grow();

    std::size_t maxSlots_;
    std::size_t slotCount_;
    Slots slots_; // board bits | bound << kBoundShift; 0 is free
    std::size_t count_ = 0;
};

} // namespace pelikor
