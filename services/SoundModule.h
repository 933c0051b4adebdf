#pragma once

#include "services/CuePlayer.h"

// The one function the sound module exports, looked up by the name below:
// it makes the module's cue player, which the caller owns. The module is
// built from this tree with the program, so the interface has no version.
extern "C" CuePlayer* pelikorCreateCuePlayer();

using CreateCuePlayer = decltype(&pelikorCreateCuePlayer);
inline constexpr const char* kCreateCuePlayer = "pelikorCreateCuePlayer";
