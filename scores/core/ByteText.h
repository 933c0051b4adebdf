#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelikor {

// Little-endian numbers and ASCII text helpers shared by the file formats.
namespace bytetext {

inline std::uint16_t readU16(std::string_view b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

inline std::uint32_t readU32(std::string_view b, std::size_t at)
{
    return std::uint32_t(readU16(b, at)) | std::uint32_t(readU16(b, at + 2)) << 16;
}

inline void putU16(std::string& b, std::size_t at, std::uint16_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

inline void putU32(std::string& b, std::size_t at, std::uint32_t v)
{
    putU16(b, at, std::uint16_t(v & 0xFFFF));
    putU16(b, at + 2, std::uint16_t(v >> 16));
}

// ASCII letters only: field names, never the player's text.
inline std::string upper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
    return out;
}

// Blanks, tabs and the zeros some writers pad with.
inline bool isPadding(char c)
{
    return c == ' ' || c == '\t' || c == '\0';
}

inline std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && isPadding(s.back()))
        s.remove_suffix(1);
    return s;
}

inline std::string_view trim(std::string_view s)
{
    s = trimRight(s);
    while (!s.empty() && isPadding(s.front()))
        s.remove_prefix(1);
    return s;
}

} // namespace bytetext

} // namespace pelikor
