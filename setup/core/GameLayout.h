#pragma once

#include "game/core/Positions.h"

#include <string>

namespace pelikor {

// The start of one game: its code in the best table and the positions laid with pegs.
struct GameLayout {
    std::string code;
    PositionSet occupied;

    int pegCount() const { return occupied.size(); }
};

} // namespace pelikor
