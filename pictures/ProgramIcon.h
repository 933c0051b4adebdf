#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

#include <array>

namespace pictures {

// The program's icon: the figure's smiling face on a rounded olive tile,
// the colour of the board.
inline constexpr std::array<int, 8> kProgramIconSizes = {16, 24, 32, 48, 64, 128, 256, 512};

// The sizes a window carries for its frame, task bar and switcher; the
// larger ones come from the desktop's installed icons.
inline constexpr int kWindowIconSizes = 5;

// The icon at the window sizes of kProgramIconSizes, for the windows and
// the task bar. Its pictures are painted on first use and kept for the run.
QIcon programIcon();
// Paints the pictures programIcon() takes, on any thread, so that they are
// ready when a window asks for the icon.
void prepareProgramIcon();

// The icon as a square picture of a size, painted afresh, for a desktop
// entry written at install time. Throws std::invalid_argument for a size
// below 1 or a ratio that is not a positive number.
QImage programIconImage(int size, qreal dpr = 1.0);

// The icon's drawing on a square of `size` at the painter's origin, on
// whatever the painter paints: a picture, or a scalable icon's vectors.
void paintProgramIcon(QPainter& painter, qreal size);

} // namespace pictures
