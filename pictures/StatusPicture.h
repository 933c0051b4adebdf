#pragma once

#include <QImage>

namespace pictures {

// The status bar's picture: one small peg, in front of the count of the
// pegs left.
inline constexpr int kStatusPictureSize = 18;

// Painted once per device pixel ratio on first use and kept for the run.
// Throws std::invalid_argument for a ratio that is not a positive number.
const QImage& statusPicture(qreal dpr = 1.0);

} // namespace pictures
