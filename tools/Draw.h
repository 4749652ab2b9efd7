#pragma once

#include <span>
#include <string_view>

#include "Canvas.h"

namespace art {

// Rows of colour keys (see Palette.h); '.' leaves the canvas as it is.
using PixelMap = std::span<const std::string_view>;

enum class Flip { None, Horizontal };

void DrawPixelMap(Canvas& canvas, int x, int y, PixelMap rows, Flip flip = Flip::None,
                  int scale = 1);

// Copies a rectangle of src, skipping the transparent colour, enlarged by scale.
void BlitTransparent(Canvas& dst, int x, int y, const Canvas& src, int srcX, int srcY, int w, int h,
                     int scale = 1);

// 4x4 ordered dither: true where a pixel at (x, y) should take the second colour of a blend
// that is `amount` (0..1) of the way to it. Gives pixel-art gradients without noise.
bool DitherPicks(int x, int y, double amount);

void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour);

// Gives everything painted inside the rectangle a one-pixel rim: each `background` pixel that
// touches (4-neighbours) a pixel of another colour becomes `outline`.
void OutlineShape(Canvas& canvas, int x, int y, int w, int h, Rgb background, Rgb outline);

}  // namespace art
