#pragma once

#include <QImage>
#include <QString>

#include <functional>

// Checks the picture tests share.
namespace PictureChecks {

// Empty when the picture is a sharp see-through canvas of a logical size
// at a device pixel ratio, clear in its corners; otherwise what is wrong.
inline QString canvasProblem(const QImage& picture, QSize logical, qreal dpr)
{
    const QSize pixels(qRound(logical.width() * dpr), qRound(logical.height() * dpr));
    if (picture.size() != pixels)
        return QStringLiteral("%1 x %2 pixels, expected %3 x %4")
            .arg(picture.width()).arg(picture.height()).arg(pixels.width()).arg(pixels.height());
    if (picture.devicePixelRatio() != dpr)
        return QStringLiteral("ratio %1, expected %2").arg(picture.devicePixelRatio()).arg(dpr);
    if (picture.format() != QImage::Format_ARGB32_Premultiplied)
        return QStringLiteral("format %1 has no premultiplied alpha").arg(int(picture.format()));
    for (QPoint corner : {QPoint(0, 0), QPoint(pixels.width() - 1, 0), QPoint(0, pixels.height() - 1),
                          QPoint(pixels.width() - 1, pixels.height() - 1)})
        if (qAlpha(picture.pixel(corner)) != 0)
            return QStringLiteral("corner %1, %2 not clear").arg(corner.x()).arg(corner.y());
    return {};
}

// Pixels whose colour, as drawn on nothing (straight alpha), passes a test.
inline int countPixels(const QImage& picture, const std::function<bool(QRgb)>& test)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < straight.height(); ++y)
        for (int x = 0; x < straight.width(); ++x)
            count += test(straight.pixel(x, y));
    return count;
}

inline bool opaque(QRgb colour) { return qAlpha(colour) == 255; }

} // namespace PictureChecks
