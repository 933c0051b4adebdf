#pragma once

#include <QImage>

namespace pictures {

// The main window's menu and toolbar icons, by index.
enum CommandIcon : int {
    kNewGameIcon = 0,   // a small board of pegs with a spark
    kBestTableIcon = 1, // a golden cup
    kHelpIcon = 2,      // a question mark in a blue circle
    kManualIcon = 4,    // an open book
    kEndGameIcon = 7,   // a red stop badge with a white cross
    kBossKeyIcon = 8,   // a green shield
};
inline constexpr int kCommandIconCount = 9;
inline constexpr int kCommandIconSize = 16;

// The icon of an index 0..8 on a see-through ground, painted once per
// device pixel ratio on first use and kept; the indices the program does
// not use (3, 5, 6) give a null image. Throws std::out_of_range for any
// other index and std::invalid_argument for a ratio that is not a
// positive number.
const QImage& commandIcon(int index, qreal dpr = 1.0);

} // namespace pictures
