#include "tools/sounds/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint32_t kFormatChunkSize = 16;
constexpr double kFullScale = 32767.0;

void put16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[2] = {char(value & 0xFF), char(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value)
{
    put16(out, std::uint16_t(value & 0xFFFF));
    put16(out, std::uint16_t(value >> 16));
}

} // namespace

void writeWaveFile(const std::filesystem::path& file, const std::vector<double>& samples, int sampleRate)
{
    const std::uint16_t blockAlign = kChannels * kBitsPerSample / 8;
    const std::uint32_t dataSize = std::uint32_t(samples.size()) * blockAlign;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    put32(out, 4 + 8 + kFormatChunkSize + 8 + dataSize);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, kFormatChunkSize);
    put16(out, kPcmFormat);
    put16(out, kChannels);
    put32(out, std::uint32_t(sampleRate));
    put32(out, std::uint32_t(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, kBitsPerSample);
    out.write("data", 4);
    put32(out, dataSize);
    for (double sample : samples)
        put16(out, std::uint16_t(std::int16_t(std::lround(std::clamp(sample, -1.0, 1.0) * kFullScale))));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}
