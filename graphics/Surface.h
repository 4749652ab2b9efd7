#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace graphics {

// Colours cross the game's interfaces as 0x00BBGGRR (red in the low byte).
// Surfaces store 0xFFRRGGBB words so a window can show them without conversion.
constexpr uint32_t ArgbFromBgr(uint32_t bgr) {
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
constexpr uint32_t BgrFromArgb(uint32_t argb) {
    return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}
constexpr uint32_t PackBgr(uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16);
}

struct Size {
    int32_t width;
    int32_t height;
};

// A picture area that keeps a persistent image in pixel coordinates.
// Whoever shows it on screen installs a refresh hook.
class Surface {
public:
    static constexpr uint32_t kButtonFace = PackBgr(0xF0, 0xF0, 0xF0);

    Surface(int32_t width, int32_t height, uint32_t fillBgr = kButtonFace);
    explicit Surface(Size size, uint32_t fillBgr = kButtonFace)
        : Surface(size.width, size.height, fillBgr) {}

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    uint32_t* ScanLine(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* ScanLine(int32_t y) const {
        return pixels_.data() + static_cast<size_t>(y) * width_;
    }
    uint32_t* Bits() { return pixels_.data(); }
    const uint32_t* Bits() const { return pixels_.data(); }

    // Colour of one pixel as 0x00BBGGRR; the position must lie inside.
    uint32_t Pixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t bgr);
    void Fill(uint32_t bgr);

    void SetRefreshHook(std::function<void()> hook) { refreshHook_ = std::move(hook); }
    // Shows the current image on screen (does nothing for hidden surfaces).
    void Refresh() const;

private:
    int32_t width_;
    int32_t height_;
    std::vector<uint32_t> pixels_;
    std::function<void()> refreshHook_;
};

}  // namespace graphics
