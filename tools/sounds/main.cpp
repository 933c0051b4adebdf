// Synthesises the program's six sound cues into the folder given as the
// only argument: short struck tones, each cue its own small figure.
#include "services/core/SoundCue.h"
#include "tools/sounds/Cue.h"
#include "tools/sounds/WaveFile.h"

#include <filesystem>
#include <iostream>

using pelikor::fileName;
using pelikor::SoundCue;

namespace {

constexpr int kSampleRate = 22050;
constexpr double kPeak = 0.6;

// Pitches of the notes used (equal temperament, A4 = 440 Hz).
constexpr double kG4 = 392.00, kC5 = 523.25, kD5 = 587.33, kE5 = 659.26, kG5 = 783.99, kB5 = 987.77,
                 kC6 = 1046.50;

const std::vector<double> kBell = {1.0, 0.35, 0.18, 0.06};
const std::vector<double> kSoft = {1.0, 0.0, 0.11, 0.0, 0.04};
const std::vector<double> kWood = {1.0, 0.5, 0.1};

std::vector<double> selectCue()
{
    // A light wooden tap: picking up a peg.
    Cue cue(0.09, kSampleRate);
    cue.strike(0, kC6, 1.0, 0.025, kWood);
    return cue.finished(kPeak);
}

std::vector<double> jumpCue()
{
    // A quick upward swoop with a tap on landing: the peg's jump.
    Cue cue(0.24, kSampleRate);
    cue.strike(0, kE5, 0.8, 0.09, kSoft, kB5, 0.12);
    cue.strike(0.13, kG5, 0.7, 0.04, kWood);
    return cue.finished(kPeak);
}

std::vector<double> dialogCue()
{
    // Two bell notes, a fifth apart: something to look at.
    Cue cue(0.40, kSampleRate);
    cue.strike(0, kE5, 0.8, 0.12, kBell);
    cue.strike(0.12, kB5, 0.7, 0.12, kBell);
    return cue.finished(kPeak);
}

std::vector<double> questionCue()
{
    // A low note rising to a higher one that bends up: a question.
    Cue cue(0.44, kSampleRate);
    cue.strike(0, kG4, 0.9, 0.12, kSoft);
    cue.strike(0.16, kD5, 0.9, 0.14, kSoft, kD5 * 1.06, 0.2);
    return cue.finished(kPeak);
}

std::vector<double> arpeggio(const double (&notes)[4])
{
    Cue cue(0.68, kSampleRate);
    for (int i = 0; i < 4; ++i)
        cue.strike(0.1 * i, notes[i], 0.8, 0.14, kBell);
    return cue.finished(kPeak);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <sounds folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        writeWaveFile(folder / fileName(SoundCue::PegSelected), selectCue(), kSampleRate);
        writeWaveFile(folder / fileName(SoundCue::PegJumped), jumpCue(), kSampleRate);
        writeWaveFile(folder / fileName(SoundCue::Dialog), dialogCue(), kSampleRate);
        writeWaveFile(folder / fileName(SoundCue::Question), questionCue(), kSampleRate);
        // The figure comes with a rising chord and leaves with a falling one.
        writeWaveFile(folder / fileName(SoundCue::FigureArrives), arpeggio({kC5, kE5, kG5, kC6}), kSampleRate);
        writeWaveFile(folder / fileName(SoundCue::FigureLeaves), arpeggio({kC6, kG5, kE5, kC5}), kSampleRate);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
