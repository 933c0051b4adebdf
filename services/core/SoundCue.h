#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pelikor {

// The program's six sound cues, one WAV file each in the sounds folder.
enum class SoundCue { PegSelected, PegJumped, Dialog, Question, FigureArrives, FigureLeaves };

inline constexpr std::size_t kSoundCueCount = 6;

// The cue files by SoundCue. The build reads these names from here to lay
// out the files the cue tool makes.
inline constexpr std::array<std::string_view, kSoundCueCount> kSoundCueFiles = {
    "Bod.wav", "Prenos.wav", "Dialog.wav", "Dotaz.wav", "PomocnikStart.wav", "PomocnikKonec.wav",
};

constexpr std::string_view fileName(SoundCue cue)
{
    return kSoundCueFiles[std::size_t(cue)];
}

} // namespace pelikor
