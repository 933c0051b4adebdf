#include "pictures/PictureCache.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace pictures {

namespace {

void checkRatio(qreal dpr)
{
    if (!(dpr > 0) || !std::isfinite(dpr))
        throw std::invalid_argument("device pixel ratio " + std::to_string(dpr) + " is not a positive number");
}

QImage canvas(QSize logicalSize, qreal dpr, QImage::Format format, const QColor& colour)
{
    checkRatio(dpr);
    QImage image(qRound(logicalSize.width() * dpr), qRound(logicalSize.height() * dpr), format);
    image.fill(colour);
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace

QImage transparentCanvas(QSize logicalSize, qreal dpr)
{
    return canvas(logicalSize, dpr, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
}

QImage filledCanvas(QSize logicalSize, qreal dpr, const QColor& colour)
{
    return canvas(logicalSize, dpr, QImage::Format_RGB32, colour);
}

const QImage& PictureCache::at(qreal dpr, const Paint& paint)
{
    checkRatio(dpr);
    const std::lock_guard guard(painting_);
    auto found = pictures_.find(dpr);
    if (found == pictures_.end())
        found = pictures_.emplace(dpr, paint(dpr)).first;
    return found->second;
}

} // namespace pictures
