#include "pictures/FigurePicture.h"

#include "pictures/FigureFace.h"
#include "pictures/PegBall.h"
#include "pictures/PictureCache.h"

#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

constexpr int kOutlineAlpha = 128;

const QRectF kBody(25, 20, 62, 62);
constexpr qreal kLimbWidth = 8;
constexpr qreal kLimbRim = 2;
const QColor kLimb(240, 112, 118);
const QColor kShoe(112, 112, 10); // the board's olive, a shade darker
const QColor kShoeLight(176, 176, 60);
const QColor kShoeRim(60, 60, 0);

// A limb as a rounded stroke with the figure's rim around it.
void paintLimb(QPainter& painter, const QPainterPath& path)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kPegRimColour, kLimbWidth + 2 * kLimbRim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(kLimb, kLimbWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void paintHand(QPainter& painter, const QPointF& centre, qreal radius)
{
    QRadialGradient skin(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    skin.setColorAt(0, kPegColour.lighter(125));
    skin.setColorAt(1, kLimb);
    painter.setPen(QPen(kPegRimColour, kLimbRim));
    painter.setBrush(skin);
    painter.drawEllipse(centre, radius, radius);
}

void paintShoe(QPainter& painter, const QRectF& shoe)
{
    QLinearGradient leather(shoe.topLeft(), shoe.bottomLeft());
    leather.setColorAt(0, kShoeLight);
    leather.setColorAt(0.6, kShoe);
    painter.setPen(QPen(kShoeRim, kLimbRim));
    painter.setBrush(leather);
    painter.drawRoundedRect(shoe, shoe.height() / 2, shoe.height() / 2);
}

void paintLegs(QPainter& painter)
{
    QPainterPath legs(QPointF(47, 74));
    legs.lineTo(45, 90);
    legs.moveTo(65, 74);
    legs.lineTo(67, 90);
    paintLimb(painter, legs);
    paintShoe(painter, QRectF(30, 86, 22, 12));
    paintShoe(painter, QRectF(60, 86, 22, 12));
}

// The left arm waves up-left toward the balloons, the right one hangs
// loosely; both start behind the body so the shoulders need no joint.
void paintArms(QPainter& painter)
{
    QPainterPath arms(QPointF(34, 52));
    arms.cubicTo(22, 50, 15, 40, 15, 25);
    arms.moveTo(80, 56);
    arms.cubicTo(90, 60, 93, 66, 93, 72);
    paintLimb(painter, arms);
    paintHand(painter, QPointF(15, 20), 7);
    paintHand(painter, QPointF(93, 76), 6);
}

QImage paintFigure(qreal dpr)
{
    QImage image = transparentCanvas(QSize(kFigureSize, kFigureSize), dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLegs(painter);
    paintArms(painter);
    paintPegBall(painter, kBody);
    paintFace(painter, kBody);
    return image;
}

QRegion opaquePixels(const QImage& picture)
{
    QRegion region;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width();) {
            if (qAlpha(line[x]) < kOutlineAlpha) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < picture.width() && qAlpha(line[x]) >= kOutlineAlpha)
                ++x;
            region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

} // namespace

const QImage& figurePicture(qreal dpr)
{
    return keptPicture<paintFigure>(dpr);
}

const QRegion& figureOutline()
{
    static const QRegion outline = opaquePixels(figurePicture(1.0));
    return outline;
}

} // namespace pictures
