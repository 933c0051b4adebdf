#include "game/core/ProvenBounds.h"

#include "game/core/Positions.h"

#include <algorithm>
#include <utility>
#include <bit>

namespace pelikor {

namespace {

constexpr std::size_t kBucket = 4; // slots looked at for one board: half a cache line
constexpr std::size_t kFirstBoundSlots = std::size_t{1} << 12;
// Board bits 1..33 lie below the bound.
constexpr int kBoundShift = 40;
constexpr std::uint64_t kBoardMask = (std::uint64_t{1} << kBoundShift) - 1;

int boundOf(std::uint64_t slot)
{
    return int(slot >> kBoundShift);
}

} // namespace

ProvenBounds::ProvenBounds(std::size_t maxBytes)
    : maxSlots_(std::max(kFirstBoundSlots, std::bit_floor(maxBytes / sizeof(std::uint64_t)))),
      slots_(kFirstBoundSlots)
{
}

int ProvenBounds::lowerBound(std::uint64_t board) const
{
    const std::size_t first = bucketOf(board, slots_.size());
    for (std::size_t i = first; i < first + kBucket; ++i)
        if ((slots_[i] & kBoardMask) == board)
            return boundOf(slots_[i]);
    return 0;
}

void ProvenBounds::raise(std::uint64_t board, int bound)
{
    if (place(slots_, board, bound))
        return;
    ++count_;
    if (2 * count_ > slots_.size() && 2 * slots_.size() <= maxSlots_)
        grow();
}

// The high bits of a multiplicative hash, the well mixed ones.
std::size_t ProvenBounds::bucketOf(std::uint64_t board, std::size_t slotCount)
{
    return std::size_t((board * 0x9E3779B97F4A7C15ULL) >> 20) & (slotCount - kBucket);
}

bool ProvenBounds::place(SlotArray& slots, std::uint64_t board, int bound)
{
    const std::size_t first = bucketOf(board, slots.size());
    std::size_t victim = first;
    for (std::size_t i = first; i < first + kBucket; ++i) {
        if ((slots[i] & kBoardMask) == board) {
            slots[i] = board | std::uint64_t(std::max(bound, boundOf(slots[i]))) << kBoundShift;
            return true;
        }
        if (slots[i] == 0) {
            victim = i;
            break;
        }
        if (countBits(slots[i] & kBoardMask) < countBits(slots[victim] & kBoardMask))
            victim = i;
    }
    slots[victim] = board | std::uint64_t(bound) << kBoundShift;
    return false;
}

void ProvenBounds::grow()
{
    SlotArray larger(2 * slots_.size());
    for (std::uint64_t slot : slots_)
        if (slot != 0)
            place(larger, slot & kBoardMask, boundOf(slot));
    slots_ = std::move(larger);
}

} // namespace pelikor
