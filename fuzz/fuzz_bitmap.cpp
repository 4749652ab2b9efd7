#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "graphics/BitmapFile.h"
#include "graphics/DibFormat.h"
#include "graphics/Surface.h"

namespace {

constexpr uint32_t kFill = 0x00C0FFEE;

bool AllFill(const graphics::Surface& surface) {
    const uint32_t fill = graphics::ArgbFromBgr(kFill);
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            if (surface.ScanLine(y)[x] != fill) {
                return false;
            }
        }
    }
    return true;
}

bool AllOpaque(const graphics::Surface& surface) {
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            if ((surface.ScanLine(y)[x] >> 24) != 0xFFu) {
                return false;
            }
        }
    }
    return true;
}

bool SamePixels(const graphics::Surface& a, const graphics::Surface& b) {
    for (int32_t y = 0; y < a.Height(); ++y) {
        for (int32_t x = 0; x < a.Width(); ++x) {
            if (a.ScanLine(y)[x] != b.ScanLine(y)[x]) {
                return false;
            }
        }
    }
    return true;
}

// What the file loader reads of a file is what the headers' extent says:
// nothing of one they condemn or one shorter than `least`, and never past
// `most`. That must draw exactly what the whole file draws.
void CheckExtent(std::span<const uint8_t> file, bool drew, const graphics::Surface& whole) {
    const std::optional<graphics::dib::Extent> extent =
        graphics::dib::FileExtent(file.first(std::min(file.size(), graphics::dib::kHeadSize)));
    if (!extent || file.size() < extent->least) {
        if (drew) {
            __builtin_trap();
        }
        return;
    }
    if (extent->most > graphics::dib::kMaxFileBytes || extent->least > extent->most) {
        __builtin_trap();
    }
    graphics::Surface cut(whole.Width(), whole.Height(), kFill);
    const size_t read = static_cast<size_t>(std::min<uint64_t>(file.size(), extent->most));
    if (graphics::DrawBitmapBytes(file.first(read), cut) != drew || !SamePixels(cut, whole)) {
        __builtin_trap();
    }
}

}  // namespace

// Besides memory errors, checks the loader's promises: the same bytes get the
// same verdict on any target, a refused file leaves its target untouched, a
// small target shows exactly the corner of what a large one shows, every
// pixel written is opaque, and reading no further than the headers' extent
// changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    graphics::Surface small(7, 5, kFill);
    graphics::Surface large(64, 48, kFill);
    const bool drewSmall = graphics::DrawBitmapBytes(file, small);
    const bool drewLarge = graphics::DrawBitmapBytes(file, large);
    if (drewSmall != drewLarge) {
        __builtin_trap();
    }
    if (!drewSmall && !(AllFill(small) && AllFill(large))) {
        __builtin_trap();
    }
    if (!SamePixels(small, large)) {
        __builtin_trap();
    }
    if (!AllOpaque(small) || !AllOpaque(large)) {
        __builtin_trap();
    }
    CheckExtent(file, drewLarge, large);
    return 0;
}
