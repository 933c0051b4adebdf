#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>

#include <array>

// Side and corner of a balloon's tail: the first word names the side the
// tail sticks out of, the second the end of that side it sits near.
enum class BalloonTail {
    TopLeft,
    LeftTop,
    TopRight,
    RightTop,
    BottomLeft,
    LeftBottom,
    BottomRight,
    RightBottom,
    None,
};

// The outline of a speech balloon on a W x H form: a rounded body set back
// by the tail's length on the tail's side, and a triangular tail.
class BalloonShape {
public:
    BalloonShape(BalloonTail position, int width, int height, int ellipse, int indent);

    // The body from its top-left corner to its exclusive bottom-right one.
    QRect body() const { return body_; }
    bool hasTail() const { return position_ != BalloonTail::None; }
    const std::array<QPoint, 3>& tail() const { return tail_; }
    int ellipse() const { return ellipse_; }

    // Body and tail together, the window's region.
    QRegion region() const;

    // The region's outermost pixels: the outline that encloses body and
    // tail as one figure, without a line where the tail meets the body.
    static QRegion outline(const QRegion& region);

private:
    BalloonTail position_;
    int ellipse_;
    QRect body_;
    std::array<QPoint, 3> tail_{};
};
