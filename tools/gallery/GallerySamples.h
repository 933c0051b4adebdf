#pragma once

#include "widgets/BalloonShape.h"
#include "widgets/ColourNumber.h"

#include <QEvent>
#include <QImage>
#include <QWidget>

// Things the gallery shows that the game's own assets will provide later.
namespace GallerySamples {

inline constexpr ColourNumber kBalloonColour = 14745599; // 0xE0FFFF
inline constexpr ColourNumber kDesktopColour = 0x808000; // teal

// A 32 x 32 picture for the picture buttons: a small peg board.
QImage boardPicture();
// A figure on a see-through ground, for the shaped figure window.
QImage figurePicture();
QString positionName(BalloonTail position);

// A balloon window of the given tail position with a link and a button,
// owned by and closed with the owner.
QWidget* balloonWindow(BalloonTail position, QWidget* owner);
// The shaped figure window, its outline stored and read back as a mask.
QWidget* figureWindow(QWidget* owner);

// Brings a control into the hot or the pressed state as the pointer would.
void makeHot(QWidget* control);
void makePressed(QWidget* control);

} // namespace GallerySamples
