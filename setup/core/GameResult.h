#pragma once

#include "setup/core/Game.h"

namespace pelikor {

// A finished game as the result dialogs receive it.
struct GameResult {
    Game game;
    int startCount = 0;
    int remaining = 0; // pegs left at the end
    // Undo, a hint or the way to the best finish helped: never stored.
    bool assisted = false;
};

} // namespace pelikor
