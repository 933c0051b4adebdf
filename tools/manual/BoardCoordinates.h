#pragma once

#include "tools/manual/ManualPictures.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// The manual's picture of the board with its rows and columns numbered,
// the coordinates by which the keyboard's cursor is moved and a screen
// reader names every position: rows 1 to 7 from the top, columns 1 to 7
// from the left.
namespace manual {

inline constexpr const char* kCoordinatePictureFile = "souradnice.png";

// The strip left of the board and above it where the numbers stand.
inline constexpr int kCoordinateMargin = 24;
inline constexpr QSize kCoordinatePictureSize =
    kPictureSize + QSize(kCoordinateMargin, kCoordinateMargin);

// A number and the place it is written in, in the picture's own pixels at
// ratio 1: level with its row's or column's pegs, within the margin.
struct CoordinateLabel {
    QString text;
    QRect place;
};
std::vector<CoordinateLabel> coordinateLabels();

// The board at the standard game's commonest start, under and right of
// the numbers, on a see-through margin, at kPictureRatio.
QImage coordinatePicture();

} // namespace manual
