#pragma once

#include <filesystem>
#include <span>

namespace art {

// 16-bit PCM mono RIFF/WAVE; samples are clamped to [-1, 1] before quantising.
void WriteWav(const std::filesystem::path& path, std::span<const double> samples, int sampleRate);

}  // namespace art
