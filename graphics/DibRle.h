#pragma once

#include "graphics/DibFormat.h"
#include "graphics/Surface.h"

namespace graphics::dib {

// Whether an RLE4/RLE8 stream stays inside its image and its colour table and
// is complete: it reaches its end-of-bitmap mark, or runs out only after every
// row has been ended. A stream that stops earlier is a truncated file.
bool RleStreamIsValid(const Image& image);

// Draws a stream that RleStreamIsValid accepted at (0, 0), clipped to the
// target. Pixels the stream skips (delta, end of line, end of bitmap) take
// colour-table entry 0, as a decoder into a zeroed index buffer would give.
void DrawRle(const Image& image, Surface& target);

}  // namespace graphics::dib
