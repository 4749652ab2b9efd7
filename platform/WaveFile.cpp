#include "platform/WaveFile.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>

namespace platform {
namespace {

uint32_t Le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}
uint16_t Le16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

bool IsPlayableFormat(const char* fmt) {
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
    std::ifstream file(path, std::ios::binary);
    std::array<char, 12> riff{};
    if (!file.read(riff.data(), riff.size()) || std::string_view(riff.data(), 4) != "RIFF" ||
        std::string_view(riff.data() + 8, 4) != "WAVE") {
        return false;
    }
    bool formatOk = false;
    // Chunks follow one another, each padded to an even length; only "fmt "
    // and the presence of "data" matter.
    for (int chunk = 0; chunk < 64; ++chunk) {
        std::array<char, 8> head{};
        if (!file.read(head.data(), head.size())) {
            return false;
        }
        const std::string_view id(head.data(), 4);
        const uint32_t size = Le32(head.data() + 4);
        if (id == "data") {
            return formatOk && size > 0;
        }
        if (id == "fmt ") {
            std::array<char, 16> fmt{};
            if (size < fmt.size() || !file.read(fmt.data(), fmt.size())) {
                return false;
            }
            formatOk = IsPlayableFormat(fmt.data());
            file.seekg(static_cast<std::streamoff>(size - fmt.size() + (size & 1)), std::ios::cur);
        } else {
            file.seekg(static_cast<std::streamoff>(size) + (size & 1), std::ios::cur);
        }
    }
    return false;
}

}  // namespace platform
