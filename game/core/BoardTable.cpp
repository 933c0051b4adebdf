#include "game/core/BoardTable.h"

#include <utility>

namespace pelikor {

namespace {

constexpr std::size_t kFirstTableSlots = 1024;

} // namespace

BoardTable::BoardTable() : slots_(kFirstTableSlots) {}

std::uint8_t BoardTable::find(std::uint64_t board) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = slotOf(board, mask);; i = (i + 1) & mask) {
        if (slots_[i] == 0)
            return kAbsent;
        if ((slots_[i] & kBoardMask) == board)
            return std::uint8_t(slots_[i] >> kValueShift);
    }
}

void BoardTable::insert(std::uint64_t board, std::uint8_t value)
{
    if (2 * (count_ + 1) > slots_.size()) {
        SlotArray larger(2 * slots_.size());
        for (std::uint64_t slot : slots_)
            if (slot != 0)
                place(larger, slot);
        slots_ = std::move(larger);
    }
    place(slots_, board | std::uint64_t(value) << kValueShift);
    ++count_;
}

// The high bits of a multiplicative hash, the well mixed ones.
std::size_t BoardTable::slotOf(std::uint64_t board, std::size_t mask)
{
    return std::size_t((board * 0x9E3779B97F4A7C15ULL) >> 24) & mask;
}

void BoardTable::place(SlotArray& slots, std::uint64_t slot)
{
    const std::size_t mask = slots.size() - 1;
    std::size_t i = slotOf(slot & kBoardMask, mask);
    while (slots[i] != 0)
        i = (i + 1) & mask;
    slots[i] = slot;
}

} // namespace pelikor
