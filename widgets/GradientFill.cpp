#include "widgets/GradientFill.h"

#include <algorithm>
#include <vector>

namespace {

// a * b / c rounded to the nearest, halves away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    if (product >= 0)
        return int((product + c / 2) / c);
    return -int((-product + c / 2) / c);
}

// The band index of every position along one axis.
std::vector<int> bandsAlong(int length, bool mirrored)
{
    std::vector<int> bands(std::max(length, 0));
    for (int pos = 0; pos < length; ++pos)
        bands[pos] = mirrored ? GradientFill::mirroredBandAt(pos, length) : GradientFill::bandAt(pos, length);
    return bands;
}

} // namespace

QRgb GradientFill::bandColour(ColourNumber begin, ColourNumber end, int band)
{
    const QColor b = toQColor(begin);
    const QColor e = toQColor(end);
    const auto mix = [band](int from, int to) { return from + mulDiv(to - from, band, kBands - 1); };
    return qRgb(mix(b.red(), e.red()), mix(b.green(), e.green()), mix(b.blue(), e.blue()));
}

int GradientFill::bandAt(int pos, int extent)
{
    // The last band k with k * extent / 256 <= pos.
    return std::min(kBands - 1, (kBands * (pos + 1) - 1) / extent);
}

int GradientFill::mirroredBandAt(int pos, int length)
{
    // Band k covers k * (length / 2) / 256 onwards from either end.
    const int fromEdge = std::min(pos, length - 1 - pos);
    return std::min(kBands - 1, (2 * kBands * (fromEdge + 1) - 1) / length);
}

QImage GradientFill::paint(QSize size, GradientStyle style, ColourNumber begin, ColourNumber end)
{
    QImage image(size, QImage::Format_ARGB32);
    if (size.isEmpty())
        return image;
    QRgb colours[kBands];
    for (int k = 0; k < kBands; ++k)
        colours[k] = bandColour(begin, end, k);

    const int w = size.width();
    const int h = size.height();
    const bool rectangle = style == GradientStyle::Rectangle;
    const bool columnsVary = style == GradientStyle::Horizontal || style == GradientStyle::HorizontalCentre || rectangle;
    const bool rowsVary = style == GradientStyle::Vertical || style == GradientStyle::VerticalCentre || rectangle;
    const bool mirrored = style != GradientStyle::Horizontal && style != GradientStyle::Vertical;
    const std::vector<int> columnBands = bandsAlong(columnsVary ? w : 0, mirrored);
    const std::vector<int> rowBands = bandsAlong(rowsVary ? h : 0, mirrored);

    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int band = 0;
            if (rectangle)
                band = std::min(columnBands[x], rowBands[y]); // the innermost rectangle holding the pixel
            else if (columnsVary)
                band = columnBands[x];
            else
                band = rowBands[y];
            line[x] = colours[band];
        }
    }
    return image;
}
