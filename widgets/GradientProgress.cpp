#include "widgets/GradientProgress.h"

#include "widgets/Frame3D.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr QSize kNewSize(150, 16);
// Colour of column x of a filled part of length filled > 0.
QRgb columnColour(ColourNumber start, ColourNumber end, int x, int filled)
{
    const int factor = 255 * x / filled;
    const QColor s = toQColor(start);
    const QColor e = toQColor(end);
    const auto mix = [factor](int from, int to) { return from + (to - from) * factor / 255; };
    return qRgb(mix(s.red(), e.red()), mix(s.green(), e.green()), mix(s.blue(), e.blue()));
}

} // namespace

GradientProgress::GradientProgress(QWidget* parent) : QWidget(parent)
{
    resize(kNewSize);
}

void GradientProgress::setStyle(GradientStyle style)
{
    style_ = style;
    update();
}

void GradientProgress::setBevelStyle(BevelStyle style)
{
    bevelStyle_ = style;
    update();
}

void GradientProgress::setBevelWidth(int width)
{
    bevelWidth_ = std::max(width, 0);
    update();
}

void GradientProgress::setStartColor(ColourNumber colour)
{
    startColor_ = colour;
    update();
}

void GradientProgress::setEndColor(ColourNumber colour)
{
    endColor_ = colour;
    update();
}

void GradientProgress::setBackColor(ColourNumber colour)
{
    backColor_ = colour;
    update();
}

void GradientProgress::setFontColor(ColourNumber colour)
{
    fontColor_ = colour;
    update();
}

void GradientProgress::setPosition(int position)
{
    if (position < 0 || position == position_)
        return;
    position_ = std::min(position, maxValue_);
    repaint();
}

void GradientProgress::setMaxValue(int maxValue)
{
    if (maxValue < 1)
        return;
    maxValue_ = maxValue;
    position_ = std::min(position_, maxValue_);
    repaint();
}

void GradientProgress::setStep(int step)
{
    step_ = step;
}

void GradientProgress::stepIt()
{
    setPosition(position_ + step_);
}

void GradientProgress::setShowPercent(bool show)
{
    showPercent_ = show;
    update();
}

QRect GradientProgress::meterRect() const
{
    const int inset = bevelStyle_ == BevelStyle::None ? 1 : bevelWidth_;
    return rect().adjusted(inset, inset, -inset, -inset);
}

int GradientProgress::filledLength() const
{
    const QRect area = meterRect();
    const int extent = style_ == GradientStyle::Vertical ? area.height() : area.width();
    return int(qint64(position_) * extent / maxValue_);
}

void GradientProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = meterRect();
    const bool vertical = style_ == GradientStyle::Vertical;
    const int filled = filledLength();
    painter.fillRect(area, toQColor(backColor_));

    // Columns 0 to L inclusive: the last one takes the end colour whole.
    if (filled > 0) {
        QImage strip(filled + 1, 1, QImage::Format_RGB32);
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(0));
        for (int x = 0; x <= filled; ++x)
            line[x] = columnColour(startColor_, endColor_, x, filled);
        if (vertical) {
            QTransform upwards;
            upwards.rotate(-90);
            const QImage column = strip.transformed(upwards);
            painter.drawImage(QRect(area.left(), area.bottom() - filled, area.width(), filled + 1), column);
        } else {
            painter.drawImage(QRect(area.left(), area.top(), filled + 1, area.height()), strip);
        }
    }

    if (showPercent_) {
        const int extent = vertical ? area.height() : area.width();
        painter.setPen(toQColor(fontColor_));
        painter.setFont(font());
        painter.drawText(area, Qt::AlignCenter, QString::number(filled * 100 / std::max(extent, 1)) + '%');
    }

    drawBevel(painter);
}

void GradientProgress::drawBevel(QPainter& painter) const
{
    if (bevelStyle_ == BevelStyle::None)
        return;
    if (bevelStyle_ == BevelStyle::Lowered)
        drawFrame3D(painter, rect(), kClBtnShadow, kClBtnHighlight, bevelWidth_);
    else
        drawFrame3D(painter, rect(), kClBtnHighlight, kClBtnShadow, bevelWidth_);
}
