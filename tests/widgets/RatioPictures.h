#pragma once

#include <QColor>
#include <QImage>

// Pictures with a device pixel ratio for the tests of sharp drawing.
namespace RatioPictures {

// A picture of a logical size at a ratio whose device pixels alternate
// between two colours: drawn anywhere but at its ratio, the pattern is lost.
inline QImage checker(QSize logical, qreal dpr, QColor even, QColor odd)
{
    QImage picture(qRound(logical.width() * dpr), qRound(logical.height() * dpr), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, (x + y) % 2 ? odd : even);
    picture.setDevicePixelRatio(dpr);
    return picture;
}

// A picture of one colour at a ratio.
inline QImage solid(QSize logical, qreal dpr, QColor colour)
{
    return checker(logical, dpr, colour, colour);
}

} // namespace RatioPictures
