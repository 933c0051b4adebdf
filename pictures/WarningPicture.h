#pragma once

#include <QImage>

namespace pictures {

// The picture of the question balloons: a yellow warning triangle with a
// black question mark, see-through around the triangle.
inline constexpr int kWarningPictureSize = 35;

// Painted once per device pixel ratio on first use and kept for the run.
// Throws std::invalid_argument for a ratio that is not a positive number.
const QImage& warningPicture(qreal dpr = 1.0);

} // namespace pictures
