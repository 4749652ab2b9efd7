#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/BitmapFile.h"
#include "graphics/Surface.h"

namespace fakes {

// A surface whose every pixel differs from its neighbours, so any stray
// write shows up as a changed value.
inline graphics::Surface Patterned(int32_t width, int32_t height) {
    graphics::Surface surface(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            surface.SetPixel(x, y,
                             graphics::PackBgr(static_cast<uint8_t>(17 * x + 3),
                                               static_cast<uint8_t>(29 * y + 5),
                                               static_cast<uint8_t>(x ^ (y << 4))));
        }
    }
    return surface;
}

// Every pixel as 0x00BBGGRR, row by row.
inline std::vector<uint32_t> Snapshot(const graphics::Surface& surface) {
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            pixels.push_back(surface.Pixel(x, y));
        }
    }
    return pixels;
}

struct BadFile {
    std::string what;
    std::vector<uint8_t> file;
};

// Each file is refused whole: not one pixel of it reaches the target.
inline void ExpectRefusedWhole(const std::vector<BadFile>& cases) {
    for (const BadFile& bad : cases) {
        SCOPED_TRACE(bad.what);
        graphics::Surface target = Patterned(8, 4);
        const std::vector<uint32_t> before = Snapshot(target);
        EXPECT_FALSE(graphics::DrawBitmapBytes(bad.file, target));
        EXPECT_EQ(Snapshot(target), before);
    }
}

}  // namespace fakes
