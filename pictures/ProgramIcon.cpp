#include "pictures/ProgramIcon.h"

#include "pictures/FigureFace.h"
#include "pictures/PegBall.h"
#include "pictures/PictureCache.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace pictures {

namespace {

constexpr qreal kCornerShare = 0.22; // of the icon's size
const QColor kTileLight(170, 170, 40);
const QColor kTileDark(104, 104, 0);
const QColor kTileRim(58, 58, 0);

void paintTile(QPainter& painter, qreal size)
{
    const qreal rim = std::max(1.0, size / 40);
    const QRectF tile(rim / 2, rim / 2, size - rim, size - rim);
    QLinearGradient olive(0, 0, 0, size);
    olive.setColorAt(0, kTileLight);
    olive.setColorAt(1, kTileDark);
    painter.setPen(QPen(kTileRim, rim));
    painter.setBrush(olive);
    painter.drawRoundedRect(tile, size * kCornerShare, size * kCornerShare);
}

constexpr qreal kBallShare = 0.76; // of the icon's size

// The figure's head, a little low on the tile, over its own soft shadow.
void paintHead(QPainter& painter, qreal size)
{
    const qreal d = size * kBallShare;
    const QRectF ball((size - d) / 2, size * 0.15, d, d);

    if (size >= 32) {
        const QRectF shadow = ball.translated(0, size * 0.04);
        QRadialGradient shade(shadow.center(), d / 2);
        shade.setColorAt(0.85, QColor(0, 0, 0, 90));
        shade.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(shadow);
    }
    paintPegBall(painter, ball);
    paintFace(painter, ball);
}

} // namespace

QImage programIconImage(int size, qreal dpr)
{
    if (size < 1)
        throw std::invalid_argument("icon size " + std::to_string(size) + " is below one pixel");
    QImage image = transparentCanvas(QSize(size, size), dpr);
    QPainter painter(&image);
    paintProgramIcon(painter, size);
    return image;
}

void paintProgramIcon(QPainter& painter, qreal size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    paintTile(painter, size);
    paintHead(painter, size);
}

namespace {

const QImage& windowIconPicture(std::size_t index)
{
    static std::array<PictureCache, kWindowIconSizes> pictures;
    const int size = kProgramIconSizes[index];
    return pictures[index].at(1.0, [size](qreal dpr) { return programIconImage(size, dpr); });
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (std::size_t i = 0; i < kWindowIconSizes; ++i)
        icon.addPixmap(QPixmap::fromImage(windowIconPicture(i)));
    return icon;
}

void prepareProgramIcon()
{
    for (std::size_t i = 0; i < kWindowIconSizes; ++i)
        windowIconPicture(i);
}

} // namespace pictures
