#pragma once

#include "graphics/BgrRows.h"
#include "graphics/DibFormat.h"
#include "graphics/Surface.h"

namespace graphics::dib {

// Draws a checked uncompressed image at (0, 0), clipped to the target.
// 24-bit rows are widened with `code`, which must be one the machine runs.
void DrawUncompressed(const Image& image, Surface& target, RowCode code = FastestRowCode());

}  // namespace graphics::dib
