#pragma once

#include "game/core/Jumps.h"

#include <array>
#include <cstdint>

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

} // namespace pelikor
