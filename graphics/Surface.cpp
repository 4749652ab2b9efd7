#include "graphics/Surface.h"

#include <algorithm>
#include <cassert>

namespace graphics {

Surface::Surface(int32_t width, int32_t height, uint32_t fillBgr)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), ArgbFromBgr(fillBgr)) {}

uint32_t Surface::Pixel(int32_t x, int32_t y) const {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_);
    return BgrFromArgb(ScanLine(y)[x]);
}

void Surface::SetPixel(int32_t x, int32_t y, uint32_t bgr) {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_);
    ScanLine(y)[x] = ArgbFromBgr(bgr);
}

void Surface::Fill(uint32_t bgr) {
    std::fill(pixels_.begin(), pixels_.end(), ArgbFromBgr(bgr));
}

void Surface::Refresh() const {
    if (refreshHook_) {
        refreshHook_();
    }
}

}  // namespace graphics
