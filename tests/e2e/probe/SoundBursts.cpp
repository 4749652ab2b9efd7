#include "tests/e2e/probe/SoundBursts.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace probe {

std::vector<int16_t> ReadRawSamples(const std::string& path, int64_t from, int64_t to) {
    std::vector<int16_t> samples;
    std::ifstream file(path, std::ios::binary);
    if (!file || to <= from) {
        return samples;
    }
    file.seekg(from * 2);
    std::vector<unsigned char> bytes(static_cast<size_t>(to - from) * 2);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto got = static_cast<size_t>(std::max<std::streamsize>(file.gcount(), 0));
    samples.reserve(got / 2);
    for (size_t i = 0; i + 1 < got; i += 2) {
        samples.push_back(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return samples;
}

Hearing Listen(const std::vector<int16_t>& samples, int64_t offset, int32_t threshold,
               int64_t gap) {
    Hearing hearing;
    bool inBurst = false;
    for (size_t i = 0; i < samples.size(); ++i) {
        const int32_t level = std::abs(static_cast<int32_t>(samples[i]));
        const int64_t at = offset + static_cast<int64_t>(i);
        hearing.peak = std::max(hearing.peak, level);
        if (level > threshold) {
            if (!inBurst) {
                hearing.bursts.push_back({at, at, level});
                inBurst = true;
            }
            Burst& burst = hearing.bursts.back();
            burst.last = at;
            burst.peak = std::max(burst.peak, level);
        } else if (inBurst && at - hearing.bursts.back().last >= gap) {
            inBurst = false;
        }
    }
    return hearing;
}

}  // namespace probe
