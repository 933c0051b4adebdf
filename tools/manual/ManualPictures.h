#pragma once

#include "game/core/Positions.h"
#include "setup/core/Games.h"

#include <QImage>
#include <QSize>

#include <string>

// The pictures of the electronic manual: each game's start layout on the
// board panel, as the player sees it when the game has been laid.
namespace manual {

// The board panel's size in the main window, and the picture's pixels per
// pixel of the panel: the pages show the panel at three quarters of its
// size, so the picture holds twice what they show and stays sharp on
// screens of twice the density.
inline constexpr QSize kPictureSize(396, 392);
inline constexpr qreal kPictureRatio = 1.5;

// The pegs a game's picture shows: its start layout; for the standard game
// the commonest start, with the centre taken away.
pelikor::PositionSet pictureLayout(const pelikor::Game& game);

// The file the pages name the game's picture by: "standardni.png" and
// "volitelna1.png" up to "volitelna7.png".
std::string pictureFileName(const pelikor::Game& game);

// The board panel with pegs on the given positions and every other hole
// empty, in the colours and shapes of the running program, at the
// picture's ratio.
QImage layoutPicture(pelikor::PositionSet pegs);

} // namespace manual
