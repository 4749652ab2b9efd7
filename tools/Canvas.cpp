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

Rgb Canvas::at(int x, int y) const {
    assert(contains(x, y));
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Canvas::set(int x, int y, Rgb colour) {
    if (contains(x, y)) {
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = colour;
    }
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb colour) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            set(col, row, colour);
        }
    }
}

}  // namespace art
