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

// Whether `holds` is true of every pixel of `surface`, given as stored with its place.
template <typename Holds>
bool EveryPixel(const graphics::Surface& surface, Holds holds) {
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            if (!holds(surface.ScanLine(y)[x], x, y)) {
                return false;
            }
        }
    }
    return true;
}

bool AllFill(const graphics::Surface& surface) {
    constexpr uint32_t fill = graphics::ArgbFromBgr(kFill);
    return EveryPixel(surface, [](uint32_t pixel, int32_t, int32_t) { return pixel == fill; });
}

bool AllOpaque(const graphics::Surface& surface) {
    return EveryPixel(surface,
                      [](uint32_t pixel, int32_t, int32_t) { return pixel >> 24 == 0xFFu; });
}

// Whether `small` holds exactly the top-left corner of `large`.
bool SamePixels(const graphics::Surface& small, const graphics::Surface& large) {
    return EveryPixel(small, [&large](uint32_t pixel, int32_t x, int32_t y) {
        return pixel == large.ScanLine(y)[x];
    });
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
