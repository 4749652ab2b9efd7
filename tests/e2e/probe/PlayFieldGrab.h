#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/SheetSizes.h"

namespace probe {

// Where the game window shows its 400 x 200 play field: the widget sits at
// (20, 48) of the client area and draws inside a 2-pixel border.
inline constexpr int kFieldLeft = 22;
inline constexpr int kFieldTop = 50;
inline constexpr int kFieldWidth = graphics::kPlayFieldSize.width;
inline constexpr int kFieldHeight = graphics::kPlayFieldSize.height;

// Play-field pixels as 0x00RRGGBB, row by row.
struct FieldPixels {
    std::vector<uint32_t> rgb;
    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * kFieldWidth + x]; }
};

// What the screen shows of the play field right now; nothing if the window
// is gone, unmapped or too small.
std::optional<FieldPixels> GrabPlayField(Display* display, Window window);

}  // namespace probe
