#pragma once

#include "widgets/ColourNumber.h"

#include <QImage>
#include <QSize>

// Direction of a gradient.
enum class GradientStyle { Horizontal, Vertical, Rectangle, VerticalCentre, HorizontalCentre };

// A gradient of 256 bands between two colours, as the gradient text fills
// its letters.
class GradientFill {
public:
    static constexpr int kBands = 256;

    // The colour of band k (0..255): begin + (end - begin) * k / 255 per
    // component, rounded to the nearest as an integer multiply-divide does.
    static QRgb bandColour(ColourNumber begin, ColourNumber end, int band);

    // The band drawn last over pixel position pos when the bands k cover
    // k * extent / 256 up to (k + 1) * extent / 256, extent > 0.
    static int bandAt(int pos, int extent);

    // The band of a mirrored style at pos along an edge of the given
    // length: bands run from both ends towards the middle.
    static int mirroredBandAt(int pos, int length);

    static QImage paint(QSize size, GradientStyle style, ColourNumber begin, ColourNumber end);
};
