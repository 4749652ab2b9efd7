#pragma once

#include <filesystem>

#include "Canvas.h"

namespace art {

// 8-bit RGBA PNG, the form desktop icon themes want. Pixels of the sheets' transparent colour
// become fully transparent; every other pixel is opaque, so the pixel art keeps hard edges.
void WritePng(const std::filesystem::path& path, const Canvas& canvas);

}  // namespace art
