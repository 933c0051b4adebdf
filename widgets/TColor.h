#pragma once

#include <QColor>

// Colours are numbered as the program's forms store them: red in the low
// byte, green in the middle byte, blue in the high byte.
using TColor = quint32;

inline constexpr TColor kClGray = 8421504;    // 0x808080
inline constexpr TColor kClSilver = 12632256; // 0xC0C0C0

inline QColor toQColor(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline TColor toTColor(const QColor& colour)
{
    return TColor(colour.red()) | (TColor(colour.green()) << 8) | (TColor(colour.blue()) << 16);
}
