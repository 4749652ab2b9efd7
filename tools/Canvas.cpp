#include "Canvas.h"

#include <cassert>
#include <cstddef>

namespace art {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {
    assert(width > 0 && height > 0);
}

Rgb Canvas::At(int x, int y) const {
    assert(Contains(x, y));
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Canvas::Set(int x, int y, Rgb colour) {
    if (Contains(x, y)) {
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = colour;
    }
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            Set(col, row, colour);
        }
    }
}

}  // namespace art
