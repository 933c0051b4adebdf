#pragma once

#include "scores/core/DbaseDate.h"

#include <cstdint>
#include <vector>

namespace pelikor {

// Whether a finished game earns a place among the ten best of its game,
// and which record the store then writes.
namespace results {

constexpr std::size_t placesPerGame = 10;

// One entry of the game's selection as the result dialog reads it.
struct Entry {
    long long tahy = 0;
    DbaseDate datum;
    std::uint32_t recordNumber = 0; // 1-based position in the table file
};

struct StoreTarget {
    enum class Kind { Nothing, NewRecord, Overwrite };
    Kind kind = Kind::Nothing;
    std::uint32_t recordNumber = 0; // the record overwritten
    bool operator==(const StoreTarget&) const = default;
};

// Whether the name field is offered for result r, given the entries of the
// game (in any order) and today's date.
bool earnsNameField(const std::vector<Entry>& entries, long long r, const DbaseDate& today);

// The record that storing result r writes; agrees with earnsNameField:
// whenever the name field is offered, something is stored.
StoreTarget storeTarget(const std::vector<Entry>& entries, long long r, const DbaseDate& today);

} // namespace results

} // namespace pelikor
