#include "app/OutlinedShape.h"

#include <QPainter>

#include <algorithm>

namespace {

// The corners of a rounded rectangle are a quarter of its shorter side.
constexpr int kCornerDivisor = 4;

} // namespace

OutlinedShape::OutlinedShape(QWidget* parent, Kind kind, ColourNumber pen, ColourNumber brush)
    : QWidget(parent), kind_(kind), pen_(pen), brush_(brush)
{
}

void OutlinedShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(toQColor(pen_));
    painter.setBrush(toQColor(brush_));
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    if (kind_ == Kind::Rectangle) {
        painter.drawRect(outline);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal corner = qreal(std::min(width(), height())) / kCornerDivisor;
    painter.drawRoundedRect(QRectF(outline).translated(0.5, 0.5), corner, corner);
}
