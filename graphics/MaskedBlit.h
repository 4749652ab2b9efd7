#pragma once

#include <cstdint>

#include "graphics/Surface.h"

namespace graphics {

// Copies a width x height rectangle from the source at (srcX, srcY) to the
// destination at (x, y), leaving the destination untouched wherever the source
// pixel is exactly `transparent` (0x00BBGGRR). Both rectangles are clipped to
// their surfaces; nothing outside the target rectangle changes.
void BlitTransparent(Surface& dest, int32_t x, int32_t y, int32_t width, int32_t height,
                     const Surface& src, int32_t srcX, int32_t srcY, uint32_t transparent);

}  // namespace graphics
