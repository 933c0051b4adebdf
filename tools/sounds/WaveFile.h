#pragma once

#include <filesystem>
#include <vector>

// Writes mono 16-bit PCM samples (-1..1) as a RIFF WAVE file.
void writeWaveFile(const std::filesystem::path& file, const std::vector<double>& samples, int sampleRate);
