#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace files {

// The most sample data a playable file may carry: 8 MiB is some 47 seconds
// of 16-bit stereo at 44.1 kHz, for a punch sound that lasts a fraction of a
// second. The audio back end holds the whole data chunk in memory, so a
// longer one is refused rather than loaded.
constexpr uint32_t kMaxWaveDataBytes = 8 * 1024 * 1024;

// How far into the file the samples may start. A megabyte holds any honest
// file's tags and markers many times over, and it bounds the chunk headers
// that the check before every punch walks through to find the data.
constexpr uint64_t kMaxWaveDataStart = 1024 * 1024;

// Whether the file is a RIFF/WAVE file with sound a sound device can play:
// PCM of 8, 16, 24 or 32 bits, 32-bit floats, either of them behind an
// EXTENSIBLE header, or 8-bit mu-law or A-law. The audio back end never
// reports such a file as bad: it stays "loading" forever, so we look for
// ourselves. Only the chunk headers and the format are read, without ever
// waiting: anything but a regular file (a pipe, a device, a folder) is not
// playable, nor is a data chunk that is empty, starts further in than
// kMaxWaveDataStart, is longer than kMaxWaveDataBytes or longer than the file
// holds (the back end would set aside memory for all it claims).
bool IsPlayableWave(const std::string& path);

// A playable file's format and its data chunk, as the file holds them, but
// for an EXTENSIBLE header, which gives the format it names, and mu-law or
// A-law, which come widened to 16-bit PCM.
struct WaveSound {
    uint16_t formatTag = 0;  // 1 integer PCM, 3 floating point
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
    std::vector<uint8_t> samples;
};

// The file's sound if IsPlayableWave says yes, read with the same care.
std::optional<WaveSound> ReadPlayableWave(const std::string& path);

}  // namespace files
