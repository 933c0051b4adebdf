#pragma once

#include <vector>

// A short sound built from struck tones, each a few harmonics dying away.
class Cue {
public:
    Cue(double seconds, int sampleRate);

    // A tone of `hertz` starting at `start` seconds, gliding to `glideTo`
    // hertz over its first `glideSeconds` (no glide when zero). `partials`
    // are the amplitudes of harmonics 1, 2, 3...; `decaySeconds` is the time
    // in which the tone falls to a third.
    void strike(double start, double hertz, double amplitude, double decaySeconds, const std::vector<double>& partials,
                double glideTo = 0, double glideSeconds = 0);

    // The samples scaled to `peak` with the very ends faded, so nothing clicks.
    std::vector<double> finished(double peak) const;

private:
    int sampleRate_;
    std::vector<double> samples_;
};
