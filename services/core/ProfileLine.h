#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace pelikor {

// One line of a profile file as the Windows profile functions see it.
struct ProfileLine {
    enum class Kind { Other, Section, Key };

    Kind kind = Kind::Other;
    std::string_view name;  // section or key name, blanks trimmed
    std::string_view value; // key value, blanks trimmed
    std::size_t begin = 0;  // offset of the first byte of the line
    std::size_t end = 0;    // offset after the line's text, before its line end
    std::size_t next = 0;   // offset of the next line (after "\n", if any)

    // Splits a file into lines and classifies them. Lines without "=" outside
    // a header, and lines starting with ";", are Other.
    static std::vector<ProfileLine> split(std::string_view bytes);
    // One line's text without its line end, classified; offsets stay 0.
    static ProfileLine classify(std::string_view text);
};

} // namespace pelikor
