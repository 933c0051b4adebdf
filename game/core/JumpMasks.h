#pragma once

#include "game/core/Jumps.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pelikor {

// A jump as the bits it reads and writes, for the searches that test
// whole boards at a time.
struct JumpMask {
    std::uint64_t moved;  // the source and the jumped position
    std::uint64_t target;
    Jump jump;

    constexpr bool isOpenOn(std::uint64_t board) const { return (board & moved) == moved && (board & target) == 0; }
    constexpr std::uint64_t madeOn(std::uint64_t board) const { return board ^ moved ^ target; }
};

constexpr JumpMask maskOf(const Jump& jump)
{
    return {(std::uint64_t{1} << jump.source) | (std::uint64_t{1} << jump.over), std::uint64_t{1} << jump.target,
            jump};
}

// The jump table as masks, in its own order.
inline constexpr std::array<JumpMask, kJumpCount> kJumpMasks = [] {
    std::array<JumpMask, kJumpCount> masks{};
    for (int i = 0; i < kJumpCount; ++i)
        masks[i] = maskOf(kJumps[i]);
    return masks;
}();

constexpr int openJumpCount(std::uint64_t board)
{
    int count = 0;
    for (const JumpMask& mask : kJumpMasks)
        count += int(mask.isOpenOn(board));
    return count;
}

// Puts the items whose boards have the most open jumps first; items whose
// boards have as many keep their order. No more items than jumps.
template <typename Item, typename BoardOf>
void putMostOpenFirst(std::span<Item> items, BoardOf boardOf)
{
    std::array<int, kJumpCount> open;
    for (std::size_t i = 0; i < items.size(); ++i)
        open[i] = openJumpCount(boardOf(items[i]));
    for (std::size_t i = 1; i < items.size(); ++i) {
        const Item item = items[i];
        const int count = open[i];
        std::size_t j = i;
        for (; j > 0 && open[j - 1] < count; --j) {
            items[j] = items[j - 1];
            open[j] = open[j - 1];
        }
        items[j] = item;
        open[j] = count;
    }
}

} // namespace pelikor
