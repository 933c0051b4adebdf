#include "widgets/BalloonShape.h"

#include <QPolygon>

#include <algorithm>

namespace {

QRegion roundRectRegion(const QRect& rect, int ellipse)
{
    const int e = std::min({ellipse, rect.width(), rect.height()});
    if (e <= 1)
        return QRegion(rect);
    const int half = e / 2;
    QRegion region(rect.adjusted(half, 0, -half, 0));
    region += rect.adjusted(0, half, 0, -half);
    region += QRegion(QRect(rect.left(), rect.top(), e, e), QRegion::Ellipse);
    region += QRegion(QRect(rect.right() - e + 1, rect.top(), e, e), QRegion::Ellipse);
    region += QRegion(QRect(rect.left(), rect.bottom() - e + 1, e, e), QRegion::Ellipse);
    region += QRegion(QRect(rect.right() - e + 1, rect.bottom() - e + 1, e, e), QRegion::Ellipse);
    return region;
}

} // namespace

BalloonShape::BalloonShape(BalloonTail position, int width, int height, int ellipse, int indent)
    : position_(position), ellipse_(ellipse)
{
    const int W = width;
    const int H = height;
    const int e = ellipse;
    const int i = indent;
    using P = QPoint;
    switch (position) {
    case BalloonTail::LeftTop:
    case BalloonTail::LeftBottom:
        body_ = QRect(QPoint(i, 0), QPoint(W - 1, H - 1));
        break;
    case BalloonTail::RightTop:
    case BalloonTail::RightBottom:
        body_ = QRect(QPoint(0, 0), QPoint(W - i - 1, H - 1));
        break;
    case BalloonTail::BottomLeft:
    case BalloonTail::BottomRight:
        body_ = QRect(QPoint(0, 0), QPoint(W - 1, H - i - 1));
        break;
    case BalloonTail::TopLeft:
    case BalloonTail::TopRight:
        body_ = QRect(QPoint(0, i), QPoint(W - 1, H - 1));
        break;
    case BalloonTail::None:
        body_ = QRect(0, 0, W, H);
        break;
    }
    switch (position) {
    case BalloonTail::TopLeft: tail_ = {P(e, 0), P(e, i), P(e + i, i)}; break;
    case BalloonTail::LeftTop: tail_ = {P(0, e), P(i, e), P(i, e + i)}; break;
    case BalloonTail::TopRight: tail_ = {P(W - e, 0), P(W - e, i), P(W - e - i, i)}; break;
    case BalloonTail::RightTop: tail_ = {P(W, e), P(W - i - 1, e), P(W - i - 1, e + i)}; break;
    case BalloonTail::BottomLeft: tail_ = {P(e, H), P(e, H - i - 1), P(e + i, H - i - 1)}; break;
    case BalloonTail::LeftBottom: tail_ = {P(0, H - e), P(i, H - e), P(i, H - e - i)}; break;
    case BalloonTail::BottomRight: tail_ = {P(W - e, H), P(W - e, H - i - 1), P(W - e - i, H - i - 1)}; break;
    case BalloonTail::RightBottom: tail_ = {P(W, H - e), P(W - i - 1, H - e), P(W - i - 1, H - e - i)}; break;
    case BalloonTail::None: break;
    }
}

QRegion BalloonShape::region() const
{
    QRegion region = roundRectRegion(body_, ellipse_);
    if (hasTail())
        region += QRegion(QPolygon({tail_[0], tail_[1], tail_[2]}), Qt::WindingFill);
    return region;
}

QRegion BalloonShape::outline(const QRegion& region)
{
    const QRegion inner = region & region.translated(1, 0) & region.translated(-1, 0) & region.translated(0, 1)
                          & region.translated(0, -1);
    return region - inner;
}
