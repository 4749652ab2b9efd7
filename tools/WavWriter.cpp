#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ByteWriter.h"

namespace art {

void WriteWav(const std::filesystem::path& path, std::span<const double> samples, int sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBitsPerSample = 16;
    constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<uint32_t>(samples.size() * kBlockAlign);

    ByteWriter out;
    out.Tag("RIFF");
    out.U32(36u + dataBytes);
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(kChannels);
    out.U32(static_cast<uint32_t>(sampleRate));
    out.U32(static_cast<uint32_t>(sampleRate) * kBlockAlign);
    out.U16(kBlockAlign);
    out.U16(kBitsPerSample);
    out.Tag("data");
    out.U32(dataBytes);
    for (const double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        out.I16(static_cast<int16_t>(std::lround(clamped * 32767.0)));
    }
    out.SaveTo(path);
}

}  // namespace art
