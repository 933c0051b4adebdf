#include "files/core/PathText.h"

#include <cstdint>

namespace pelikor {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char32_t kHighSurrogates = 0xD800;
constexpr char32_t kLowSurrogates = 0xDC00;
constexpr char32_t kPastSurrogates = 0xE000;
constexpr char32_t kPastUnicode = 0x110000;
constexpr char32_t kPastBasicPlane = 0x10000;

// The code point of the UTF-8 sequence at the start of bytes and its
// length, or a length of 0 when the sequence is not valid UTF-8: overlong
// forms and encoded surrogates are not.
std::pair<char32_t, std::size_t> decodeOne(std::string_view bytes)
{
    const auto lead = std::uint8_t(bytes[0]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead < 0x80)
        return {lead, 1};
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        least = kPastBasicPlane;
    } else {
        return {0, 0};
    }
    if (bytes.size() < length)
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = std::uint8_t(bytes[i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        code = code << 6 | (next & 0x3F);
    }
    if (code < least || code >= kPastUnicode || (code >= kHighSurrogates && code < kPastSurrogates))
        return {0, 0};
    return {code, length};
}

void appendUtf8(std::string& bytes, char32_t code)
{
    if (code < 0x80) {
        bytes += char(code);
    } else if (code < 0x800) {
        bytes += char(0xC0 | code >> 6);
        bytes += char(0x80 | (code & 0x3F));
    } else if (code < kPastBasicPlane) {
        bytes += char(0xE0 | code >> 12);
        bytes += char(0x80 | (code >> 6 & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
    } else {
        bytes += char(0xF0 | code >> 18);
        bytes += char(0x80 | (code >> 12 & 0x3F));
        bytes += char(0x80 | (code >> 6 & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
    }
}

} // namespace

std::u16string pathText(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto [code, length] = decodeOne(bytes);
        if (length == 0) {
            text += char16_t(kEscapeBase + std::uint8_t(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        if (code < kPastBasicPlane) {
            text += char16_t(code);
        } else {
            text += char16_t(kHighSurrogates + ((code - kPastBasicPlane) >> 10));
            text += char16_t(kLowSurrogates + ((code - kPastBasicPlane) & 0x3FF));
        }
        bytes.remove_prefix(length);
    }
    return text;
}

std::string pathBytes(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        const bool high = unit >= kHighSurrogates && unit < kLowSurrogates;
        if (high && i + 1 < text.size() && text[i + 1] >= kLowSurrogates && text[i + 1] < kPastSurrogates) {
            appendUtf8(bytes, kPastBasicPlane + ((unit - kHighSurrogates) << 10) + (text[i + 1] - kLowSurrogates));
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes += char(unit - kEscapeBase);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

} // namespace pelikor
