#include "pictures/BoardPicture.h"

#include "game/core/Positions.h"
#include "pictures/BoardGeometry.h"
#include "pictures/PictureCache.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {

namespace {

const QColor kOlive(128, 128, 0);
const QColor kCream(250, 240, 200);
const QColor kPanelGray(128, 128, 128); // what the rounded corners leave; the panel's own grey
constexpr int kStripeWidth = 5;
constexpr qreal kCornerRadius = 42;

QImage paintBoardPicture(qreal dpr)
{
    QImage image = filledCanvas(QSize(kBoardPictureWidth, kBoardPictureHeight), dpr, kPanelGray);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF board(0.5, 0.5, kBoardPictureWidth - 1, kBoardPictureHeight - 1);
    QPainterPath outline;
    outline.addRoundedRect(board, kCornerRadius, kCornerRadius);

    // Narrow vertical stripes of olive and cream.
    painter.save();
    painter.setClipPath(outline);
    for (int x = 0; x < kBoardPictureWidth; x += kStripeWidth)
        painter.fillRect(x, 0, kStripeWidth, kBoardPictureHeight, (x / kStripeWidth) % 2 ? kCream : kOlive);

    // A soft light from the upper left gives the flat stripes some body.
    QLinearGradient light(0, 0, kBoardPictureWidth, kBoardPictureHeight);
    light.setColorAt(0, QColor(255, 255, 255, 60));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 70));
    painter.fillPath(outline, light);
    painter.restore();

    painter.setPen(QPen(QColor(64, 64, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    // The holes, each with a little shade around its rim.
    for (int n = 1; n <= pelikor::kPositionCount; ++n) {
        const QRect hole = holeRect(n).translated(-kBoardPictureLeft, -kBoardPictureTop);
        QRadialGradient shade(hole.center(), hole.width() / 2.0 + 4);
        shade.setColorAt(0.75, QColor(0, 0, 0, 110));
        shade.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(hole.adjusted(-4, -4, 4, 4));
        painter.setBrush(Qt::white);
        painter.drawEllipse(hole);
    }
    return image;
}

} // namespace

const QImage& boardPicture(qreal dpr)
{
    return keptPicture<paintBoardPicture>(dpr);
}

} // namespace pictures
