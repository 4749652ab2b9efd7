#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ByteWriter.h"

namespace art {

void writeWav(const std::filesystem::path& path, std::span<const double> samples, int sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBitsPerSample = 16;
    constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<uint32_t>(samples.size() * kBlockAlign);

    ByteWriter out;
    out.tag("RIFF");
    out.u32(36u + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(kChannels);
    out.u32(static_cast<uint32_t>(sampleRate));
    out.u32(static_cast<uint32_t>(sampleRate) * kBlockAlign);
    out.u16(kBlockAlign);
    out.u16(kBitsPerSample);
    out.tag("data");
    out.u32(dataBytes);
    for (const double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        out.i16(static_cast<int16_t>(std::lround(clamped * 32767.0)));
    }
    out.saveTo(path);
}

}  // namespace art
