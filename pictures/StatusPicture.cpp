#include "pictures/StatusPicture.h"

#include "pictures/PegBall.h"
#include "pictures/PictureCache.h"

#include <QPainter>
#include <QRadialGradient>

namespace pictures {

namespace {

QImage paintStatusPicture(qreal dpr)
{
    QImage image = transparentCanvas(QSize(kStatusPictureSize, kStatusPictureSize), dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The hole the peg sits in shows as a shadow under it.
    const QRectF hole(2, 11, 14, 6);
    QRadialGradient shade(hole.center(), hole.width() / 2);
    shade.setColorAt(0, QColor(0, 0, 0, 120));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(hole);

    paintPegBall(painter, QRectF(2.5, 1, 13, 13));
    return image;
}

} // namespace

const QImage& statusPicture(qreal dpr)
{
    return keptPicture<paintStatusPicture>(dpr);
}

} // namespace pictures
