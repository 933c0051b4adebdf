#include "game/core/SlotArray.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace pelikor {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kCacheLine = 64;

std::uint64_t* zeroedSlots(std::size_t bytes)
{
    const bool huge = bytes >= kHugePage;
    // aligned_alloc wants a size that is a multiple of the alignment; the
    // tables' sizes are powers of two, at least a cache line.
    void* memory = std::aligned_alloc(huge ? kHugePage : kCacheLine, bytes);
    if (!memory)
        throw std::bad_alloc();
    if (huge)
        madvise(memory, bytes, MADV_HUGEPAGE);
    std::memset(memory, 0, bytes);
    return static_cast<std::uint64_t*>(memory);
}

} // namespace

SlotArray::SlotArray(std::size_t count) : slots_(zeroedSlots(count * sizeof(std::uint64_t))), count_(count) {}

void SlotArray::Free::operator()(std::uint64_t* slots) const
{
    std::free(slots);
}

} // namespace pelikor
