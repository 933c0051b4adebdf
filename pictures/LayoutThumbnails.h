#pragma once

#include <QImage>

namespace pictures {

// The miniatures of the optional games' start layouts for the optional-game
// chooser: a rounded olive board with a dot for every position, magenta
// where the game starts with a peg and see-through where it starts empty,
// on a see-through ground.
inline constexpr int kLayoutThumbnailSize = 32;

// The miniature of optional game 1..7, painted once per device pixel ratio
// on first use and kept for the run. Throws std::invalid_argument for any
// other game or for a ratio that is not a positive number.
const QImage& layoutThumbnail(int game, qreal dpr = 1.0);

} // namespace pictures
