#include <cstddef>
#include <cstdint>
#include <span>

#include "graphics/BitmapFile.h"
#include "platform/Surface.h"

namespace {

constexpr uint32_t kFill = 0x00C0FFEE;

bool AllFill(const platform::Surface& surface) {
    const uint32_t fill = platform::StoredFromColorRef(kFill);
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            if (surface.ScanLine(y)[x] != fill) {
                return false;
            }
        }
    }
    return true;
}

bool AllOpaque(const platform::Surface& surface) {
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            if ((surface.ScanLine(y)[x] >> 24) != 0xFFu) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

// Besides memory errors, checks the loader's promises: the same bytes get the
// same verdict on any target, a refused file leaves its target untouched, a
// small target shows exactly the corner of what a large one shows, and every
// pixel written is opaque.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    platform::Surface small(7, 5, kFill);
    platform::Surface large(64, 48, kFill);
    const bool drewSmall = BitmapFile::DrawBitmapBytes(file, small);
    const bool drewLarge = BitmapFile::DrawBitmapBytes(file, large);
    if (drewSmall != drewLarge) {
        __builtin_trap();
    }
    if (!drewSmall && !(AllFill(small) && AllFill(large))) {
        __builtin_trap();
    }
    for (int32_t y = 0; y < small.Height(); ++y) {
        for (int32_t x = 0; x < small.Width(); ++x) {
            if (small.ScanLine(y)[x] != large.ScanLine(y)[x]) {
                __builtin_trap();
            }
        }
    }
    if (!AllOpaque(small) || !AllOpaque(large)) {
        __builtin_trap();
    }
    return 0;
}
