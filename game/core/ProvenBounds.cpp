#include "game/core/ProvenBounds.h"

#include "game/core/Positions.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>

namespace pelikor {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kCacheLine = 64;
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
      slotCount_(kFirstBoundSlots), slots_(allocate(kFirstBoundSlots))
{
}

void ProvenBounds::FreeSlots::operator()(std::uint64_t* slots) const
{
    std::free(slots);
}

ProvenBounds::Slots ProvenBounds::allocate(std::size_t count)
{
    const std::size_t bytes = count * sizeof(std::uint64_t);
    const bool huge = bytes >= kHugePage;
    void* memory = std::aligned_alloc(huge ? kHugePage : kCacheLine, bytes);
    if (!memory)
        throw std::bad_alloc();
    if (huge)
        madvise(memory, bytes, MADV_HUGEPAGE);
    std::memset(memory, 0, bytes);
    return Slots(static_cast<std::uint64_t*>(memory));
}

int ProvenBounds::lowerBound(std::uint64_t board) const
{
    const std::size_t first = bucketOf(board, slotCount_);
    for (std::size_t i = first; i < first + kBucket; ++i)
        if ((slots_[i] & kBoardMask) == board)
            return boundOf(slots_[i]);
    return 0;
}

void ProvenBounds::raise(std::uint64_t board, int bound)
{
    if (place(slots_.get(), slotCount_, board, bound))
        return;
    ++count_;
    if (2 * count_ > slotCount_ && 2 * slotCount_ <= maxSlots_)
        grow();
}

// The high bits of a multiplicative hash, the well mixed ones.
std::size_t ProvenBounds::bucketOf(std::uint64_t board, std::size_t slotCount)
{
    return std::size_t((board * 0x9E3779B97F4A7C15ULL) >> 20) & (slotCount - kBucket);
}

bool ProvenBounds::place(std::uint64_t* slots, std::size_t slotCount, std::uint64_t board, int bound)
{
    const std::size_t first = bucketOf(board, slotCount);
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
    const std::size_t largerCount = 2 * slotCount_;
    Slots larger = allocate(largerCount);
    for (std::size_t i = 0; i < slotCount_; ++i)
        if (slots_[i] != 0)
            place(larger.get(), largerCount, slots_[i] & kBoardMask, boundOf(slots_[i]));
    slots_ = std::move(larger);
    slotCount_ = largerCount;
}

} // namespace pelikor
