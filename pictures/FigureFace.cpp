#include "pictures/FigureFace.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace pictures {

namespace {

const QColor kInk(45, 20, 30);
const QColor kMouth(120, 22, 42);
const QColor kTongue(255, 110, 120);
const QColor kBlush(235, 60, 90, 90);
constexpr qreal kDetailedFrom = 40; // smaller balls get the plain face

// Maps the face's own coordinates, 0..1 across the ball, onto the ball.
class FaceSpace {
public:
    explicit FaceSpace(const QRectF& ball) : ball_(ball) {}
    QPointF at(qreal x, qreal y) const { return {ball_.left() + x * ball_.width(), ball_.top() + y * ball_.height()}; }
    QRectF box(qreal x, qreal y, qreal width, qreal height) const
    {
        return {at(x - width / 2, y - height / 2), QSizeF(width * ball_.width(), height * ball_.height())};
    }
    qreal length(qreal share) const { return share * ball_.width(); }

private:
    QRectF ball_;
};

constexpr qreal kEyeY = 0.45;
constexpr qreal kEyeXs[] = {0.36, 0.64};

QPainterPath smile(const FaceSpace& face, qreal depth)
{
    QPainterPath path(face.at(0.3, 0.62));
    path.cubicTo(face.at(0.38, 0.62 + depth), face.at(0.62, 0.62 + depth), face.at(0.7, 0.62));
    return path;
}

void paintPlainFace(QPainter& painter, const FaceSpace& face)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (qreal x : kEyeXs)
        painter.drawEllipse(face.box(x, kEyeY - 0.02, 0.14, 0.2));
    painter.setPen(QPen(kInk, std::max(1.0, face.length(0.075)), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(smile(face, 0.2));
}

void paintDetailedFace(QPainter& painter, const FaceSpace& face)
{
    const qreal line = face.length(0.03);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlush);
    painter.drawEllipse(face.box(0.2, 0.6, 0.15, 0.09));
    painter.drawEllipse(face.box(0.8, 0.6, 0.15, 0.09));

    for (qreal x : kEyeXs) {
        painter.setPen(QPen(kInk, line));
        painter.setBrush(Qt::white);
        painter.drawEllipse(face.box(x, kEyeY, 0.17, 0.22));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawEllipse(face.box(x - 0.025, kEyeY - 0.025, 0.1, 0.13));
        painter.setBrush(Qt::white);
        painter.drawEllipse(face.box(x - 0.045, kEyeY - 0.06, 0.04, 0.045));

        // Raised brows make the glance friendly rather than startled.
        QPainterPath brow(face.at(x - 0.06, kEyeY - 0.17));
        brow.quadTo(face.at(x, kEyeY - 0.235), face.at(x + 0.06, kEyeY - 0.18));
        painter.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(brow);
    }

    QPainterPath mouth = smile(face, 0.26);
    mouth.quadTo(face.at(0.5, 0.67), face.at(0.3, 0.62));
    painter.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kMouth);
    painter.drawPath(mouth);
    // The tongue is cut to the mouth as a shape rather than by clipping,
    // which a painter of scalable pictures does not keep.
    QPainterPath tongue;
    tongue.addEllipse(face.box(0.5, 0.82, 0.24, 0.14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTongue);
    painter.drawPath(tongue.intersected(mouth));
}

} // namespace

void paintFace(QPainter& painter, const QRectF& ball)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const FaceSpace face(ball);
    if (ball.width() < kDetailedFrom)
        paintPlainFace(painter, face);
    else
        paintDetailedFace(painter, face);
    painter.restore();
}

} // namespace pictures
