#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace pelikor {

// Letter case is folded for ASCII letters only: the program's own names
// (sections, keys, file names) are plain ASCII.
constexpr char foldedCase(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

inline std::string foldedCase(std::string_view text)
{
    std::string folded(text);
    std::ranges::transform(folded, folded.begin(), [](char c) { return foldedCase(c); });
    return folded;
}

inline bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return foldedCase(x) == foldedCase(y); });
}

} // namespace pelikor
