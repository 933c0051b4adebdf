#include "pictures/PegBall.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace pictures {

namespace {

const QColor kPegLight(255, 222, 215);
const QColor kPegShade(196, 72, 88);
constexpr qreal kRimShare = 0.035;
constexpr qreal kRimlessBelow = 6; // a rim would swallow so small a peg

// Thin enough for a large peg, never thinner than a pixel for a small one.
qreal pegRimWidth(qreal diameter)
{
    if (diameter < kRimlessBelow)
        return 0;
    return std::max(1.0, diameter * kRimShare);
}

} // namespace

void paintPegBall(QPainter& painter, const QRectF& ball)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal d = ball.width();
    const QPointF lit(ball.left() + d * 0.34, ball.top() + ball.height() * 0.3);
    QRadialGradient body(ball.center(), d * 0.62, lit);
    body.setColorAt(0, kPegLight);
    body.setColorAt(0.42, kPegColour);
    body.setColorAt(1, kPegShade);

    const qreal rim = pegRimWidth(d);
    if (rim > 0)
        painter.setPen(QPen(kPegRimColour, rim));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(ball.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));

    // A soft gleam on the lit side, which makes the ball read as round; an
    // ellipse tilted along the ball's curve, faded all round its edge.
    const qreal gleamRadius = d * 0.13;
    QRadialGradient shine(QPointF(0, 0), gleamRadius);
    shine.setColorAt(0, QColor(255, 255, 255, 220));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.translate(ball.left() + d * 0.3, ball.top() + d * 0.19);
    painter.rotate(-35);
    painter.scale(1, 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(QPointF(0, 0), gleamRadius, gleamRadius);
    painter.restore();
}

} // namespace pictures
