#pragma once

#include "services/CuePlayer.h"

#include <array>

// The one function the sound module exports, looked up by the name below:
// it makes the module's cue player, which the caller owns.
extern "C" CuePlayer* pelikorCreateCuePlayer();

using CreateCuePlayer = decltype(&pelikorCreateCuePlayer);
inline constexpr const char* kCreateCuePlayer = "pelikorCreateCuePlayer";

// The module also exports this text, with the program's version, under
// the name below; the loader calls nothing of a file that does not, since
// any other file at the module's path may be another program's or another
// build's, with another interface or none.
inline constexpr char kSoundModuleTagText[] = "Pelikor 2000 sound module, version " PELIKOR_VERSION;
using SoundModuleTag = std::array<char, sizeof kSoundModuleTagText>;
inline constexpr const char* kSoundModuleTag = "pelikorSoundModuleTag";
