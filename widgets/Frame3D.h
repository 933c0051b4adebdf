#pragma once

#include "widgets/ColourNumber.h"

#include <QPainter>
#include <QRect>

// The window system's colours for three-dimensional frames.
inline constexpr ColourNumber kClBtnHighlight = 0xFFFFFF;
inline constexpr ColourNumber kClBtnShadow = kClGray;
inline constexpr ColourNumber kCl3DLight = kClSilver;
inline constexpr ColourNumber kCl3DDkShadow = 0x000000;

// A frame of the given width along the inside of rect: one colour on the
// top and left sides, another on the bottom and right ones.
inline void drawFrame3D(QPainter& painter, const QRect& rect, ColourNumber topLeft, ColourNumber bottomRight, int width)
{
    const QColor light = toQColor(topLeft);
    const QColor dark = toQColor(bottomRight);
    for (int i = 0; i < width; ++i) {
        const QRect r = rect.adjusted(i, i, -i, -i);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), dark);
    }
}
