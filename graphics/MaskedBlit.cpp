#include "graphics/MaskedBlit.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "arithmetic/CheckedMath.h"
#include "graphics/VectorClones.h"

namespace graphics {
namespace {

using Words8 = uint32_t __attribute__((vector_size(32)));

// Surface words carry an alpha byte that is no part of the colour.
constexpr uint32_t kColourBits = 0x00FFFFFFu;

struct Span {
    int32_t first = 0;  // offset into the requested rectangle
    int32_t count = 0;
};

// The part of [0, length) that lands inside both [0, srcLimit) after adding
// srcStart and [0, destLimit) after adding destStart.
Span Clip(int32_t destStart, int32_t srcStart, int32_t length, int32_t destLimit,
          int32_t srcLimit) {
    const int64_t first = std::max({int64_t{0}, -int64_t{destStart}, -int64_t{srcStart}});
    const int64_t end =
        std::min({int64_t{length}, int64_t{destLimit} - destStart, int64_t{srcLimit} - srcStart});
    if (end <= first) {
        return {};
    }
    return {static_cast<int32_t>(first), static_cast<int32_t>(end - first)};
}

inline uint32_t Blend(uint32_t dest, uint32_t src, uint32_t key) {
    const uint32_t keep = 0u - static_cast<uint32_t>((src & kColourBits) == key);
    return (dest & keep) | (src & ~keep);
}

// Walking forward reads every source word before it could be overwritten,
// except when source and destination share rows and the destination lies to
// the right; the caller walks backward then.
FENDO_VECTOR_CLONES
void BlendRowsForward(uint32_t* dest, std::ptrdiff_t destPitch, const uint32_t* src,
                      std::ptrdiff_t srcPitch, int32_t width, int32_t height, uint32_t key) {
    const Words8 keys = {key, key, key, key, key, key, key, key};
    const Words8 colourBits = {kColourBits, kColourBits, kColourBits, kColourBits,
                               kColourBits, kColourBits, kColourBits, kColourBits};
    for (int32_t row = 0; row < height; ++row) {
        uint32_t* const d = dest + row * destPitch;
        const uint32_t* const s = src + row * srcPitch;
        int32_t i = 0;
        for (; i + 8 <= width; i += 8) {
            Words8 source;
            Words8 target;
            std::memcpy(&source, s + i, sizeof source);
            std::memcpy(&target, d + i, sizeof target);
            const Words8 keep = __builtin_convertvector((source & colourBits) == keys, Words8);
            target = (target & keep) | (source & ~keep);
            std::memcpy(d + i, &target, sizeof target);
        }
        for (; i < width; ++i) {
            d[i] = Blend(d[i], s[i], key);
        }
    }
}

void BlendRowsBackward(uint32_t* dest, std::ptrdiff_t destPitch, const uint32_t* src,
                       std::ptrdiff_t srcPitch, int32_t width, int32_t height, uint32_t key) {
    for (int32_t row = 0; row < height; ++row) {
        uint32_t* const d = dest + row * destPitch;
        const uint32_t* const s = src + row * srcPitch;
        for (int32_t i = width - 1; i >= 0; --i) {
            d[i] = Blend(d[i], s[i], key);
        }
    }
}

}  // namespace

void BlitTransparent(Surface& dest, int32_t x, int32_t y, int32_t width, int32_t height,
                     const Surface& src, int32_t srcX, int32_t srcY, uint32_t transparent) {
    // The size of a 24-bit copy of the rectangle must fit a 32-bit integer;
    // a rectangle that large stops the program before anything is drawn.
    arithmetic::CheckedMul(arithmetic::CheckedMul(width, height), int32_t{3});

    if (width <= 0 || height <= 0) {
        return;
    }
    const Span cols = Clip(x, srcX, width, dest.Width(), src.Width());
    const Span rows = Clip(y, srcY, height, dest.Height(), src.Height());
    if (cols.count == 0 || rows.count == 0) {
        return;
    }

    const uint32_t key = ArgbFromBgr(transparent) & kColourBits;
    const std::ptrdiff_t destPitch = dest.Width();
    const std::ptrdiff_t srcPitch = src.Width();
    uint32_t* destStart = dest.ScanLine(y + rows.first) + (x + cols.first);
    const uint32_t* srcStart = src.ScanLine(srcY + rows.first) + (srcX + cols.first);

    // Within one surface the result must be as if the source were read
    // whole before anything is written: walk away from the overlap.
    if (&dest == &src && y > srcY) {
        const std::ptrdiff_t lastRow = rows.count - 1;
        BlendRowsForward(destStart + lastRow * destPitch, -destPitch, srcStart + lastRow * srcPitch,
                         -srcPitch, cols.count, rows.count, key);
    } else if (&dest == &src && y == srcY && x > srcX) {
        BlendRowsBackward(destStart, destPitch, srcStart, srcPitch, cols.count, rows.count, key);
    } else {
        BlendRowsForward(destStart, destPitch, srcStart, srcPitch, cols.count, rows.count, key);
    }
}

}  // namespace graphics
