#pragma once

#include <filesystem>

#include "Canvas.h"

namespace art {

// 24-bit uncompressed Windows bitmap, bottom-up rows, 40-byte info header: the one form every
// reader the game might use accepts.
void WriteBmp(const std::filesystem::path& path, const Canvas& canvas);

}  // namespace art
