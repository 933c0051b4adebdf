#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kFullScale = 32768.0;

struct Wave {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
    std::string problem;

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0; }
};

std::uint32_t le(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

// Walks the RIFF chunks as an independent reader would.
Wave parse(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wave wave;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        wave.problem = "no RIFF WAVE header";
        return wave;
    }
    if (le(bytes, 4, 4) != bytes.size() - 8) {
        wave.problem = "RIFF size does not match the file";
        return wave;
    }
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = le(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) {
            wave.problem = "chunk " + id + " runs past the end";
            return wave;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = int(le(bytes, at + 8, 2));
            wave.channels = int(le(bytes, at + 10, 2));
            wave.sampleRate = int(le(bytes, at + 12, 4));
            wave.bitsPerSample = int(le(bytes, at + 22, 2));
            const std::uint32_t byteRate = le(bytes, at + 16, 4);
            const std::uint32_t blockAlign = le(bytes, at + 20, 2);
            if (blockAlign != std::uint32_t(wave.channels * wave.bitsPerSample / 8)
                || byteRate != blockAlign * std::uint32_t(wave.sampleRate))
                wave.problem = "inconsistent format chunk";
            haveFormat = true;
        } else if (id == "data" && haveFormat && wave.bitsPerSample == 16) {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(std::int16_t(le(bytes, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat)
        wave.problem = "no format chunk";
    return wave;
}

double peak(const Wave& wave)
{
    int loudest = 0;
    for (std::int16_t sample : wave.samples)
        loudest = std::max(loudest, std::abs(int(sample)));
    return loudest / kFullScale;
}

// Sign changes per second over the first `seconds`: a rough pitch of the cue's opening.
double openingCrossings(const Wave& wave, double seconds)
{
    const std::size_t count = std::min(wave.samples.size(), std::size_t(seconds * wave.sampleRate));
    int changes = 0;
    for (std::size_t i = 1; i < count; ++i)
        changes += (wave.samples[i - 1] < 0) != (wave.samples[i] < 0);
    return changes / seconds;
}

std::filesystem::path soundsFolder()
{
    const char* appDir = std::getenv("PELIKOR_TEST_APP_DIR");
    return std::filesystem::path(appDir ? appDir : "") / "Zvuky";
}

const char* const kCues[] = {"Bod.wav", "Prenos.wav", "Dialog.wav", "Dotaz.wav", "PomocnikStart.wav",
                             "PomocnikKonec.wav"};

bool isFigureCue(const std::string& name)
{
    return name.starts_with("Pomocnik");
}

} // namespace

TEST(SoundFiles, AreShortCleanMonoPcm)
{
    double longestPlain = 0, shortestFigure = 1e9;
    for (const std::string name : kCues) {
        const Wave wave = parse(soundsFolder() / name);
        ASSERT_EQ(wave.problem, "") << name;
        EXPECT_EQ(wave.format, 1) << name << " is not PCM";
        EXPECT_EQ(wave.channels, 1) << name;
        EXPECT_EQ(wave.bitsPerSample, 16) << name;
        EXPECT_GE(wave.sampleRate, 22050) << name;
        ASSERT_FALSE(wave.samples.empty()) << name;
        EXPECT_GT(peak(wave), 0.3) << name << " is too quiet";
        EXPECT_LT(peak(wave), 0.95) << name << " clips";
        EXPECT_LT(std::abs(wave.samples.front()) / kFullScale, 0.01) << name << " clicks at the start";
        EXPECT_LT(std::abs(wave.samples.back()) / kFullScale, 0.01) << name << " clicks at the end";
        if (isFigureCue(name)) {
            shortestFigure = std::min(shortestFigure, wave.seconds());
            EXPECT_LT(wave.seconds(), 1.0) << name;
        } else {
            longestPlain = std::max(longestPlain, wave.seconds());
            EXPECT_LT(wave.seconds(), 0.5) << name;
        }
    }
    EXPECT_GT(shortestFigure, longestPlain) << "the figure's cues are a little longer";
}

TEST(SoundFiles, AreClearlyDifferentFromEachOther)
{
    for (std::size_t i = 0; i < std::size(kCues); ++i)
        for (std::size_t j = i + 1; j < std::size(kCues); ++j) {
            const Wave a = parse(soundsFolder() / kCues[i]);
            const Wave b = parse(soundsFolder() / kCues[j]);
            const bool lengthDiffers = std::abs(a.seconds() - b.seconds()) > 0.03;
            const double ca = openingCrossings(a, 0.06), cb = openingCrossings(b, 0.06);
            const bool openingDiffers = std::abs(ca - cb) > 0.1 * std::max(ca, cb);
            EXPECT_TRUE(lengthDiffers || openingDiffers) << kCues[i] << " and " << kCues[j] << " sound alike";
        }
}
