#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace probe {

// A stretch of sound: from its first sample above the threshold to its last,
// in samples from the start of the recording.
struct Burst {
    int64_t first = 0;
    int64_t last = 0;
    int32_t peak = 0;
};

struct Hearing {
    int32_t peak = 0;
    std::vector<Burst> bursts;
};

// Signed 16-bit little-endian mono samples from a raw recording, those from
// index `from` up to (not including) `to`, fewer if the file is shorter.
std::vector<int16_t> ReadRawSamples(const std::string& path, int64_t from, int64_t to);

// The loudest sample and the bursts louder than `threshold`; a burst ends
// once `gap` samples in a row have stayed at or below it. Indices count from
// `offset`, the position of samples[0] in the recording.
Hearing Listen(const std::vector<int16_t>& samples, int64_t offset, int32_t threshold, int64_t gap);

}  // namespace probe
