#include "tools/sounds/Cue.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Attack and release ramps: long enough to avoid clicks, short enough to keep the strike crisp.
constexpr double kAttackSeconds = 0.004;
constexpr double kReleaseSeconds = 0.02;

} // namespace

Cue::Cue(double seconds, int sampleRate)
    : sampleRate_(sampleRate), samples_(std::size_t(std::lround(seconds * sampleRate)), 0.0)
{
}

void Cue::strike(double start, double hertz, double amplitude, double decaySeconds, const std::vector<double>& partials,
                 double glideTo, double glideSeconds)
{
    const auto first = std::size_t(std::lround(start * sampleRate_));
    double phase = 0;
    for (std::size_t i = first; i < samples_.size(); ++i) {
        const double t = double(i - first) / sampleRate_;
        double frequency = hertz;
        if (glideSeconds > 0)
            frequency = hertz + (glideTo - hertz) * std::min(t / glideSeconds, 1.0);
        phase += 2 * std::numbers::pi * frequency / sampleRate_;
        double tone = 0;
        for (std::size_t h = 0; h < partials.size(); ++h)
            // Higher harmonics die sooner, as on a struck bar.
            tone += partials[h] * std::sin(phase * double(h + 1)) * std::exp(-t * double(h) / decaySeconds);
        const double envelope = std::min(t / kAttackSeconds, 1.0) * std::exp(-t / decaySeconds);
        samples_[i] += amplitude * envelope * tone;
    }
}

std::vector<double> Cue::finished(double peak) const
{
    double loudest = 0;
    for (double sample : samples_)
        loudest = std::max(loudest, std::abs(sample));
    std::vector<double> out(samples_);
    const double gain = loudest > 0 ? peak / loudest : 0;
    const double release = kReleaseSeconds * sampleRate_;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double fromEnd = double(out.size() - 1 - i);
        out[i] *= gain * std::min(fromEnd / release, 1.0);
    }
    return out;
}
