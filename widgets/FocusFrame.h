#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRect>

// The house focus frame: a 1-pixel rectangle of black dots with gaps of one
// pixel, as the flat labels draw it while pressed. Where it may lie on a
// dark or striped ground the gaps can be given a colour of their own.
inline QPen focusPen(const QColor& colour)
{
    QPen pen(colour, 1);
    pen.setDashPattern({1, 1});
    return pen;
}

// Draws the frame on the border pixels of `frame`.
inline void drawFocusFrame(QPainter& painter, const QRect& frame, const QColor& gaps = Qt::transparent)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A 1-pixel pen draws a rectangle one pixel wider and taller than it.
    const QRect border = frame.adjusted(0, 0, -1, -1);
    if (gaps.alpha() != 0) {
        painter.setPen(QPen(gaps, 1));
        painter.drawRect(border);
    }
    painter.setPen(focusPen(Qt::black));
    painter.drawRect(border);
    painter.restore();
}
