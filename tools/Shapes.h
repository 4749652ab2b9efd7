#pragma once

#include "Canvas.h"

namespace art {

// Filled ellipse centred on (cx, cy); half-pixel centres keep small ones symmetric.
void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb colour);

// Ellipse darkened by dithering `shade` over what is there, for soft floor shadows.
void DitherEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb shade,
                   double amount);

// Rectangle with a one-pixel border of `edge`.
void FramedRect(Canvas& canvas, int x, int y, int w, int h, Rgb fill, Rgb edge);

// Vertical blend from `top` to `bottom` by ordered dithering.
void DitherGradient(Canvas& canvas, int x, int y, int w, int h, Rgb top, Rgb bottom);

}  // namespace art
