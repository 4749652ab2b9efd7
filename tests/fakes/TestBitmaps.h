#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "fakes/BmpBuilder.h"

namespace fakes {

// Writes a 24-bit bottom-up bitmap whose colours (0x00BBGGRR) come from `colour(x, y)`.
inline void WriteBitmap24(const std::filesystem::path& path, int width, int height,
                          const std::function<uint32_t(int, int)>& colour) {
    std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            // Stored blue first: the little-endian value is 0x00RRGGBB.
            rows[static_cast<size_t>(y)].push_back(((c & 0xFF) << 16) | (c & 0xFF00) |
                                                   ((c >> 16) & 0xFF));
        }
    }
    const fakes::Header header{.width = width, .height = height, .bitCount = 24};
    const std::vector<uint8_t> bytes = fakes::BuildFile(
        header, {}, fakes::PackRows(fakes::InFileOrder(std::move(rows), false), 24));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fakes
