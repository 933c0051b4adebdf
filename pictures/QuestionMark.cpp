#include "pictures/QuestionMark.h"

#include <QPainterPathStroker>

namespace pictures {

namespace {

constexpr qreal kStrokeShare = 0.2; // of the box's height

} // namespace

QPainterPath questionMark(const QRectF& box)
{
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const qreal stroke = kStrokeShare * box.height();

    // The hook's centre line, from its left tip over the top and down into
    // the stem, drawn with a round-ended pen.
    QPainterPath hook(at(0.16, 0.3));
    hook.cubicTo(at(0.16, 0.02), at(0.84, 0.02), at(0.84, 0.3));
    hook.cubicTo(at(0.84, 0.47), at(0.5, 0.45), at(0.5, 0.62));
    QPainterPathStroker pen;
    pen.setWidth(stroke);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);

    QPainterPath mark = pen.createStroke(hook);
    const qreal dot = stroke * 0.62;
    mark.addEllipse(at(0.5, 1) - QPointF(0, dot), dot, dot);
    mark.setFillRule(Qt::WindingFill);
    return mark.simplified();
}

} // namespace pictures
