#include "widgets/GradientText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr QSize kNewSize(75, 25);
const char* const kNewFontFamily = "Times New Roman";
constexpr int kNewFontPoints = 18;

} // namespace

GradientText::GradientText(QWidget* parent) : QWidget(parent)
{
    resize(kNewSize);
    QFont newFont(kNewFontFamily, kNewFontPoints);
    newFont.setBold(true);
    newFont.setItalic(true);
    setFont(newFont);
}

void GradientText::setBeginColor(ColourNumber colour)
{
    beginColor_ = colour;
    lookChanged();
}

void GradientText::setEndColor(ColourNumber colour)
{
    endColor_ = colour;
    lookChanged();
}

void GradientText::setGradientStyle(GradientStyle style)
{
    style_ = style;
    lookChanged();
}

void GradientText::setLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    lines_ = lines;
    lookChanged();
}

void GradientText::setJustification(Justification justification)
{
    justification_ = justification;
    lookChanged();
}

void GradientText::lookChanged()
{
    shown_ = QImage();
    update();
}

void GradientText::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        lookChanged();
    QWidget::changeEvent(event);
}

void GradientText::resizeEvent(QResizeEvent* event)
{
    // The width wraps the lines.
    shown_ = QImage();
    QWidget::resizeEvent(event);
}

int GradientText::textFlags() const
{
    int flags = Qt::TextWordWrap | Qt::AlignTop;
    switch (justification_) {
    case Justification::Left: flags |= Qt::AlignLeft; break;
    case Justification::Centre: flags |= Qt::AlignHCenter; break;
    case Justification::Right: flags |= Qt::AlignRight; break;
    }
    return flags;
}

QSize GradientText::measuredSize() const
{
    const QFontMetrics metrics(font());
    // Measured left-aligned: centring at a fractional offset would add a
    // pixel that changes with the width, and the control would never settle.
    const int flags = (textFlags() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    const QRect measured = metrics.boundingRect(QRect(0, 0, width(), 0), flags, lines_.join('\n'));
    // Slanted letters reach past their advance; the measure keeps them whole.
    int overhang = 0;
    for (const QString& line : lines_)
        overhang = std::max(overhang, metrics.tightBoundingRect(line).right() + 1 - metrics.horizontalAdvance(line));
    return QSize(measured.width() + overhang, measured.height());
}

QImage GradientText::renderText() const
{
    return renderText(devicePixelRatioF());
}

QImage GradientText::renderText(qreal dpr) const
{
    const QSize size = measuredSize();
    const QSize pixels(qRound(size.width() * dpr), qRound(size.height() * dpr));
    QImage letters(pixels, QImage::Format_Grayscale8);
    letters.setDevicePixelRatio(dpr);
    letters.fill(Qt::white);
    {
        QPainter painter(&letters);
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), size), textFlags(), lines_.join('\n'));
    }
    // The letters' darkness becomes the gradient's opacity, so the ground
    // is see-through and the letters keep their smooth edges.
    QImage result = GradientFill::paint(pixels, style_, beginColor_, endColor_);
    result.setDevicePixelRatio(dpr);
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* ink = letters.constScanLine(y);
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFF) | (QRgb(255 - ink[x]) << 24);
    }
    return result;
}

void GradientText::paintEvent(QPaintEvent*)
{
    const QSize size = measuredSize();
    if (size != this->size()) {
        resize(size);
        update();
        return;
    }
    // Rendered once for each look: large letters on a fine screen are
    // drawn as outlines, not from the glyph cache, and cost a millisecond.
    const qreal dpr = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != dpr)
        shown_ = renderText(dpr);
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}
