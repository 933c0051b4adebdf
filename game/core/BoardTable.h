#pragma once

#include "game/core/SlotArray.h"

#include <cstddef>
#include <cstdint>

namespace pelikor {

// Boards with a small value each, packed into one word apiece (a board's
// bits 1..33 below the value): open addressing, doubled when half full.
class BoardTable {
public:
    static constexpr std::uint8_t kAbsent = 0xFF;

    BoardTable();

    // The value kept for a board, or kAbsent.
    std::uint8_t find(std::uint64_t board) const;
    // Brings the board's first slot towards the cache for a look soon.
    void prefetch(std::uint64_t board) const { __builtin_prefetch(&slots_[slotOf(board, slots_.size() - 1)]); }
    // Keeps a value below kAbsent for a board that has none yet.
    void insert(std::uint64_t board, std::uint8_t value);

    std::size_t bytes() const { return slots_.bytes(); }

    template <typename Visit>
    void forEach(Visit&& visit) const
    {
        for (std::uint64_t slot : slots_)
            if (slot != 0)
                visit(slot & kBoardMask, std::uint8_t(slot >> kValueShift));
    }

private:
    static constexpr int kValueShift = 40;
    static constexpr std::uint64_t kBoardMask = (std::uint64_t{1} << kValueShift) - 1;

    static std::size_t slotOf(std::uint64_t board, std::size_t mask);
    static void place(SlotArray& slots, std::uint64_t slot);

    SlotArray slots_; // 0 is free: no board kept is empty
    std::size_t count_ = 0;
};

} // namespace pelikor
