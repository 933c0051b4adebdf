#pragma once

#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pelikor {

// A calendar day as a dBASE date field holds it; the null date (a blank
// field) sorts before every real day.
struct DbaseDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool isNull() const { return year == 0 && month == 0 && day == 0; }
    auto operator<=>(const DbaseDate&) const = default;

    static bool isValid(int year, int month, int day);
    static DbaseDate today();
};

// How the player's dates are written and read as text. The Qt layer
// supplies the user's short date format; the engine knows no locale.
struct DateTextCodec {
    std::function<std::string(const DbaseDate&)> format;
    // Returns nothing when the text is not a valid day.
    std::function<std::optional<DbaseDate>(std::string_view)> parse;
};

// Day.month.year with a four-digit year, as "8.1.2026"; the default when no
// locale is at hand (the template tool, the core tests).
DateTextCodec dayMonthYearCodec();

} // namespace pelikor
