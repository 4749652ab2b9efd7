#pragma once

#include <string_view>

#include "Canvas.h"

namespace art {

// A 3x5 font for chalk and signs: digits, a few letters and + - = x : ! ?
// Unknown characters are skipped as blanks. Returns the x after the last glyph.
int DrawTinyText(Canvas& canvas, int x, int y, std::string_view text, Rgb colour, int scale = 1);

}  // namespace art
