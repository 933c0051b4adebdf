#pragma once

#include <QColor>
#include <QImage>

#include <functional>
#include <map>
#include <mutex>

namespace pictures {

// A see-through picture of a logical size, sharp at the device pixel ratio:
// its pixels are the logical size times the ratio, and a painter on it
// draws in logical coordinates. Throws std::invalid_argument for a ratio
// that is not a positive number.
QImage transparentCanvas(QSize logicalSize, qreal dpr);

// The same for an opaque picture (24-bit, no alpha) filled with one colour.
QImage filledCanvas(QSize logicalSize, qreal dpr, const QColor& colour);

// One picture, painted on first use for each device pixel ratio and kept
// for the run: windows ask for their pictures on every paint. Any thread
// may ask; one that asks while another paints the picture waits for it.
class PictureCache {
public:
    using Paint = std::function<QImage(qreal dpr)>;

    // The picture at a ratio, painted by paint when it is not kept yet.
    // Throws std::invalid_argument for a ratio that is not a positive number.
    const QImage& at(qreal dpr, const Paint& paint);

private:
    std::mutex painting_;
    std::map<qreal, QImage> pictures_;
};

// The one picture a paint function makes, kept per ratio for the run.
template <QImage (*paint)(qreal dpr)>
const QImage& keptPicture(qreal dpr)
{
    static PictureCache pictures;
    return pictures.at(dpr, paint);
}

} // namespace pictures
