#pragma once

#include <QImage>
#include <QRegion>

namespace pictures {

// The assistant figure "Pomocník": a cheerful pink peg with a face, feet
// and arms, waving up-left to where its speech balloons open. Outside the
// figure the picture is see-through.
inline constexpr int kFigureSize = 104;

// Painted once per device pixel ratio on first use and kept for the run.
// Throws std::invalid_argument for a ratio that is not a positive number.
const QImage& figurePicture(qreal dpr = 1.0);

// The figure's visible pixels in logical coordinates: the pixels of the
// picture at ratio 1 that are at least half opaque. One connected shape
// without holes, for the figure window's shape.
const QRegion& figureOutline();

} // namespace pictures
