#pragma once

#include "game/core/Positions.h"
#include "setup/core/Game.h"

namespace pelikor {

// The start of one game: the game of the catalogue and the positions laid with pegs.
struct GameLayout {
    Game game;
    PositionSet occupied;

    int pegCount() const { return occupied.size(); }
};

} // namespace pelikor
