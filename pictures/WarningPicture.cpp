#include "pictures/WarningPicture.h"

#include "pictures/PictureCache.h"
#include "pictures/QuestionMark.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QColor kSignTop(255, 238, 96);
const QColor kSignBottom(250, 196, 0);
const QColor kSignRim(40, 30, 0);
constexpr qreal kRimWidth = 2.5;

QPainterPath triangle()
{
    QPainterPath path(QPointF(17.5, 3));
    path.lineTo(32.5, 30.5);
    path.lineTo(2.5, 30.5);
    path.closeSubpath();
    return path;
}

QImage paintWarning(qreal dpr)
{
    QImage image = transparentCanvas(QSize(kWarningPictureSize, kWarningPictureSize), dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A soft shadow to the lower right lifts the sign off the balloon.
    painter.setPen(QPen(QColor(0, 0, 0, 50), kRimWidth + 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawPath(triangle().translated(1.2, 1.5));

    QLinearGradient paint(0, 3, 0, 31);
    paint.setColorAt(0, kSignTop);
    paint.setColorAt(1, kSignBottom);
    painter.setPen(QPen(kSignRim, kRimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(paint);
    painter.drawPath(triangle());

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(questionMark(QRectF(12.5, 11, 10, 16.5)));
    return image;
}

} // namespace

const QImage& warningPicture(qreal dpr)
{
    return keptPicture<paintWarning>(dpr);
}

} // namespace pictures
