#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fakes {

// Writes a 24-bit bottom-up bitmap whose colours (0x00BBGGRR) come from `colour(x, y)`.
inline void WriteBitmap24(const std::filesystem::path& path, int width, int height,
                          const std::function<uint32_t(int, int)>& colour) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t imageSize = static_cast<uint32_t>(stride * height);
    std::vector<uint8_t> bytes(54 + imageSize, 0);
    auto put16 = [&](size_t at, uint32_t v) {
        bytes[at] = static_cast<uint8_t>(v);
        bytes[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, imageSize);
    for (int y = 0; y < height; ++y) {
        const size_t row = 54 + static_cast<size_t>(stride) * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            bytes[row + 3 * x] = static_cast<uint8_t>(c >> 16);
            bytes[row + 3 * x + 1] = static_cast<uint8_t>(c >> 8);
            bytes[row + 3 * x + 2] = static_cast<uint8_t>(c);
        }
    }
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fakes
