#pragma once

#include <QColor>

// Colours are numbered as the program's forms store them: red in the low
// byte, green in the middle byte, blue in the high byte.
using ColourNumber = quint32;

inline constexpr ColourNumber kClGray = 8421504;    // 0x808080
inline constexpr ColourNumber kClSilver = 12632256; // 0xC0C0C0

inline QColor toQColor(ColourNumber colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline ColourNumber toColourNumber(const QColor& colour)
{
    return ColourNumber(colour.red()) | (ColourNumber(colour.green()) << 8) | (ColourNumber(colour.blue()) << 16);
}
