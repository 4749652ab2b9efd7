#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/Surface.h"

namespace BitmapFile {

// Draws a Windows bitmap file at (0, 0) of Target at the image's own size,
// clipped to the target. A file that cannot be read or decoded leaves the
// target as it was; nothing is reported. A null target does nothing.
void LoadBitmapFile(const std::string& FileName, platform::Surface* Target);

// The same for a file already in memory. Returns whether anything was drawn.
bool DrawBitmapBytes(std::span<const uint8_t> file, platform::Surface& target);

}  // namespace BitmapFile
