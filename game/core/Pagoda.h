#pragma once

#include "game/core/Positions.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pelikor {

// A pagoda function: a weight per position such that no jump raises the
// weight of a board (source + jumped >= target). No board can therefore
// reach one that weighs more.
class Pagoda {
public:
    // The pagoda that proves `from` cannot reach `to`, where the linear
    // relaxation of play (jumps made in any order and in fractions) already
    // cannot; none where it can.
    static std::optional<Pagoda> separating(PositionSet from, PositionSet to);

    std::int64_t weightOf(PositionSet board) const;

    // The same weights seen through a symmetry of the board: a pagoda too,
    // since the symmetry carries every jump onto a jump.
    Pagoda transformed(int symmetry) const;

    bool operator==(const Pagoda&) const = default;

private:
    using Weights = std::array<std::int64_t, kPositionCount + 1>;

    Pagoda() = default;
    // None when the weights spread wider than the planes hold.
    static std::optional<Pagoda> inPlanes(const Weights& weights);

    // weight(n) = base + sum over planes p holding n of 2^p: a board's
    // weight in a few popcounts.
    static constexpr int kMaxPlanes = 8;
    std::int64_t base_ = 0;
    std::array<std::uint64_t, kMaxPlanes> planes_{};
    int planeCount_ = 0;
};

} // namespace pelikor
