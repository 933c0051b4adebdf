#include "scores/core/ResultRules.h"

#include <algorithm>

namespace pelikor {

namespace results {

namespace {

long long worstCount(const std::vector<Entry>& entries)
{
    return std::max_element(entries.begin(), entries.end(),
                            [](const Entry& a, const Entry& b) { return a.tahy < b.tahy; })->tahy;
}

} // namespace

// Written from the dialog's showing rule on its own, not from storeTarget,
// so that the tests can hold the offer and the store against each other.
bool earnsNameField(const std::vector<Entry>& entries, long long r, const DbaseDate& today)
{
    if (entries.size() < placesPerGame)
        return true;
    if (r < worstCount(entries))
        return true;
    if (std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.tahy < r; }))
        return false;
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.datum < today; });
}

StoreTarget storeTarget(const std::vector<Entry>& entries, long long r, const DbaseDate& today)
{
    if (entries.size() < placesPerGame)
        return {StoreTarget::Kind::NewRecord, 0};
    const long long worst = worstCount(entries);
    if (r < worst) {
        // Among equal worst counts, the one latest in the file gives way.
        std::uint32_t latest = 0;
        for (const Entry& e : entries)
            if (e.tahy == worst)
                latest = std::max(latest, e.recordNumber);
        return {StoreTarget::Kind::Overwrite, latest};
    }
    if (r > worst || std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.tahy < r; }))
        return {};
    // All counts equal r: a newer day replaces the earliest entry in the
    // file among those dated before today.
    std::uint32_t earliest = 0;
    for (const Entry& e : entries)
        if (e.datum < today && (earliest == 0 || e.recordNumber < earliest))
            earliest = e.recordNumber;
    if (earliest == 0)
        return {};
    return {StoreTarget::Kind::Overwrite, earliest};
}

} // namespace results

} // namespace pelikor
