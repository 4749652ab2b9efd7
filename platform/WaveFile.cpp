#include "platform/WaveFile.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/RegularFile.h"

namespace platform {
namespace {

uint32_t Le32(const uint8_t* b) {
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}
uint16_t Le16(const uint8_t* b) {
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}
std::string_view Tag(const uint8_t* b) {
    return {reinterpret_cast<const char*>(b), 4};
}

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;

// Where a playable file keeps its data chunk, and in what format.
struct Layout {
    WaveSound format;
    uint64_t dataAt = 0;
    uint32_t dataSize = 0;
};

bool IsPlayableFormat(const WaveSound& f) {
    const bool bitsOk = f.formatTag == kPcm ? (f.bitsPerSample == 8 || f.bitsPerSample == 16 ||
                                               f.bitsPerSample == 24 || f.bitsPerSample == 32)
                                            : (f.formatTag == kFloat && f.bitsPerSample == 32);
    return bitsOk && f.channels >= 1 && f.channels <= 8 && f.sampleRate >= 1000 &&
           f.sampleRate <= 384000;
}

std::optional<Layout> FindLayout(const RegularFile& file) {
    std::array<uint8_t, 12> riff{};
    if (!file.ReadExactly(0, riff) || Tag(riff.data()) != "RIFF" ||
        Tag(riff.data() + 8) != "WAVE") {
        return std::nullopt;
    }
    std::optional<WaveSound> format;
    // Chunks follow one another, each padded to an even length; only "fmt "
    // and the "data" chunk's length matter.
    uint64_t at = riff.size();
    for (int chunk = 0; chunk < 64; ++chunk) {
        std::array<uint8_t, 8> head{};
        if (!file.ReadExactly(at, head)) {
            return std::nullopt;
        }
        const uint32_t size = Le32(head.data() + 4);
        at += head.size();
        if (Tag(head.data()) == "data") {
            if (!format || size == 0 || size > kMaxWaveDataBytes || at > file.Size() ||
                size > file.Size() - at) {
                return std::nullopt;
            }
            return Layout{*format, at, size};
        }
        if (Tag(head.data()) == "fmt ") {
            std::array<uint8_t, 16> fmt{};
            if (size < fmt.size() || !file.ReadExactly(at, fmt)) {
                return std::nullopt;
            }
            WaveSound read;
            read.formatTag = Le16(fmt.data());
            read.channels = Le16(fmt.data() + 2);
            read.sampleRate = Le32(fmt.data() + 4);
            read.bitsPerSample = Le16(fmt.data() + 14);
            format.reset();
            if (IsPlayableFormat(read)) {
                format = read;
            }
        }
        at += uint64_t{size} + (size & 1);
    }
    return std::nullopt;
}

}  // namespace

bool IsPlayableWave(const std::string& path) {
    return FindLayout(RegularFile(path)).has_value();
}

std::optional<WaveSound> ReadPlayableWave(const std::string& path) {
    const RegularFile file(path);
    std::optional<Layout> layout = FindLayout(file);
    if (!layout) {
        return std::nullopt;
    }
    layout->format.samples.resize(layout->dataSize);
    if (!file.ReadExactly(layout->dataAt, layout->format.samples)) {
        return std::nullopt;
    }
    return std::move(layout->format);
}

}  // namespace platform
