#include "widgets/GradientLetters.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

int GradientLetters::textFlags() const
{
    int flags = Qt::TextWordWrap | Qt::AlignTop;
    switch (justification) {
    case Justification::Left: flags |= Qt::AlignLeft; break;
    case Justification::Centre: flags |= Qt::AlignHCenter; break;
    case Justification::Right: flags |= Qt::AlignRight; break;
    }
    return flags;
}

QSize GradientLetters::measuredSize() const
{
    const QFontMetrics metrics(font);
    // Measured left-aligned: centring at a fractional offset would add a
    // pixel that changes with the width, and the control would never settle.
    const int flags = (textFlags() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    const QRect measured = metrics.boundingRect(QRect(0, 0, width, 0), flags, lines.join('\n'));
    // Slanted letters reach past their advance; the measure keeps them whole.
    int overhang = 0;
    for (const QString& line : lines)
        overhang = std::max(overhang, metrics.tightBoundingRect(line).right() + 1 - metrics.horizontalAdvance(line));
    return QSize(measured.width() + overhang, measured.height());
}

QImage GradientLetters::render(QSize size, qreal dpr) const
{
    const QSize pixels(qRound(size.width() * dpr), qRound(size.height() * dpr));
    QImage letters(pixels, QImage::Format_Grayscale8);
    letters.setDevicePixelRatio(dpr);
    letters.fill(Qt::white);
    {
        QPainter painter(&letters);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), size), textFlags(), lines.join('\n'));
    }
    // The letters' darkness becomes the gradient's opacity, so the ground
    // is see-through and the letters keep their smooth edges.
    QImage result = GradientFill::paint(pixels, style, beginColor, endColor);
    result.setDevicePixelRatio(dpr);
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* ink = letters.constScanLine(y);
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFF) | (QRgb(255 - ink[x]) << 24);
    }
    return result;
}
