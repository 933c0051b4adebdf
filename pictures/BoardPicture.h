#pragma once

#include <QImage>

namespace pictures {

// The board picture: 385 x 380, a striped board with rounded corners and
// 33 white holes where the board panel places its hole shapes.
inline constexpr int kBoardPictureWidth = 385;
inline constexpr int kBoardPictureHeight = 380;

// Offset of the picture inside the board panel; the hole shapes are placed
// in panel coordinates, so the holes are painted this much further up-left.
inline constexpr int kBoardPictureLeft = 5;
inline constexpr int kBoardPictureTop = 6;

// Painted once per device pixel ratio on first use and kept for the run.
// Throws std::invalid_argument for a ratio that is not a positive number.
const QImage& boardPicture(qreal dpr = 1.0);

} // namespace pictures
