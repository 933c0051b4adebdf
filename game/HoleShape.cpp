#include "game/HoleShape.h"

#include <QMouseEvent>
#include <QPainter>

HoleShape::HoleShape(QWidget* parent) : QWidget(parent) {}

void HoleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void HoleShape::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

// A quick second press is a press like any other: each one may make a jump.
void HoleShape::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}
