#include "game/core/SlotArray.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace pelikor {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kCacheLine = 64;

bool isMapped(std::size_t bytes)
{
    return bytes >= kHugePage;
}

// A large array is mapped on its own, on a huge page's boundary, so that
// it goes back to the system as soon as the search ends: once the
// allocator has given back one array of this size it serves the next from
// its heap, and keeps it for the process after it is freed. The system
// hands out the pages zeroed when they are first touched, so a search that
// looks at few slots never pays for the rest.
std::uint64_t* mappedSlots(std::size_t bytes)
{
    void* mapped = mmap(nullptr, bytes + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    if (const std::size_t tail = start + kHugePage - aligned)
        munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    // The search reads its tables at random, and with small pages nearly
    // every look missed the TLB as well as the caches.
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    return reinterpret_cast<std::uint64_t*>(aligned);
}

std::uint64_t* zeroedSlots(std::size_t bytes)
{
    if (isMapped(bytes))
        return mappedSlots(bytes);
    // aligned_alloc wants a size that is a multiple of the alignment; the
    // tables' sizes are powers of two, at least a cache line.
    void* memory = std::aligned_alloc(kCacheLine, bytes);
    if (!memory)
        throw std::bad_alloc();
    std::memset(memory, 0, bytes);
    return static_cast<std::uint64_t*>(memory);
}

} // namespace

SlotArray::SlotArray(std::size_t count)
    : slots_(zeroedSlots(count * sizeof(std::uint64_t)), Free{count * sizeof(std::uint64_t)}), count_(count)
{
}

void SlotArray::Free::operator()(std::uint64_t* slots) const
{
    if (isMapped(bytes))
        munmap(slots, bytes);
    else
        std::free(slots);
}

} // namespace pelikor
