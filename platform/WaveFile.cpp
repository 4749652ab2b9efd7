#include "platform/WaveFile.h"

#include <array>
#include <string_view>

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

bool IsPlayableFormat(const uint8_t* fmt) {
    constexpr uint16_t kPcm = 1;
    constexpr uint16_t kFloat = 3;
    const uint16_t format = Le16(fmt);
    const uint16_t channels = Le16(fmt + 2);
    const uint32_t rate = Le32(fmt + 4);
    const uint16_t bits = Le16(fmt + 14);
    const bool bitsOk = format == kPcm ? (bits == 8 || bits == 16 || bits == 24 || bits == 32)
                                       : (format == kFloat && bits == 32);
    return bitsOk && channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000;
}

}  // namespace

bool IsPlayableWave(const std::string& path) {
    const RegularFile file(path);
    std::array<uint8_t, 12> riff{};
    if (!file.ReadExactly(0, riff) || Tag(riff.data()) != "RIFF" ||
        Tag(riff.data() + 8) != "WAVE") {
        return false;
    }
    bool formatOk = false;
    // Chunks follow one another, each padded to an even length; only "fmt "
    // and the "data" chunk's length matter.
    uint64_t at = riff.size();
    for (int chunk = 0; chunk < 64; ++chunk) {
        std::array<uint8_t, 8> head{};
        if (!file.ReadExactly(at, head)) {
            return false;
        }
        const uint32_t size = Le32(head.data() + 4);
        at += head.size();
        if (Tag(head.data()) == "data") {
            return formatOk && size > 0 && size <= kMaxWaveDataBytes && at <= file.Size() &&
                   size <= file.Size() - at;
        }
        if (Tag(head.data()) == "fmt ") {
            std::array<uint8_t, 16> fmt{};
            if (size < fmt.size() || !file.ReadExactly(at, fmt)) {
                return false;
            }
            formatOk = IsPlayableFormat(fmt.data());
        }
        at += uint64_t{size} + (size & 1);
    }
    return false;
}

}  // namespace platform
