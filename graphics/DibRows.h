#pragma once

#include "graphics/DibFormat.h"
#include "platform/Surface.h"

namespace dib {

// Draws a checked uncompressed image at (0, 0), clipped to the target.
void DrawUncompressed(const Image& image, platform::Surface& target);

}  // namespace dib
