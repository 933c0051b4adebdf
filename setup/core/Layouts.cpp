#include "Layouts.h"

#include <array>
#include <stdexcept>

namespace pelikor {

namespace {

constexpr const char* kStandardCode = "3";
// Optional game n has the code 11 - n, so "10" down to "4".
constexpr int kOptionalCodeBase = 11;

constexpr std::array<PositionSet, kOptionalGameCount> kOptionalLayouts = {{
    {5, 9, 10, 11, 17, 24},
    {9, 10, 11, 16, 17, 18, 23, 24, 25},
    {2, 4, 5, 6, 8, 9, 10, 11, 12, 16, 17, 18, 23, 24, 25},
    {4, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 28, 30},
    PositionSet::all() - PositionSet{1, 3, 7, 13, 21, 27, 31, 33},
    PositionSet::all() - PositionSet{10, 16, 17, 18, 24},
    PositionSet::all() - PositionSet{2, 14, 17, 20, 32},
}};

} // namespace

GameLayout standardLayout(int removed)
{
    if (!isPosition(removed))
        throw std::invalid_argument("No board position " + std::to_string(removed) + " to remove");
    return {kStandardCode, PositionSet::all() - PositionSet{removed}};
}

GameLayout optionalLayout(int game)
{
    if (game < 1 || game > kOptionalGameCount)
        throw std::invalid_argument("No optional game " + std::to_string(game));
    return {std::to_string(kOptionalCodeBase - game), kOptionalLayouts[game - 1]};
}

} // namespace pelikor
