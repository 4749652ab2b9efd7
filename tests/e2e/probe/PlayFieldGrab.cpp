#include "tests/e2e/probe/PlayFieldGrab.h"

#include <X11/Xutil.h>

#include <memory>

namespace probe {
namespace {

struct ImageDestroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Scales a channel taken out by its mask to 8 bits, so any TrueColor depth
// compares against the 8-bit sprite files.
uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    const unsigned long maxValue = mask >> shift;
    return static_cast<uint32_t>(((pixel & mask) >> shift) * 255u / maxValue);
}

}  // namespace

std::optional<FieldPixels> GrabPlayField(Display* display, Window window) {
    // The window may close between the caller's search and this call; a
    // protocol error must then mean "no picture", not the end of the probe.
    const auto previous = XSetErrorHandler(IgnoreXError);
    const std::unique_ptr<XImage, ImageDestroyer> image(XGetImage(
        display, window, kFieldLeft, kFieldTop, kFieldWidth, kFieldHeight, AllPlanes, ZPixmap));
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!image) {
        return std::nullopt;
    }
    FieldPixels field;
    field.rgb.resize(static_cast<size_t>(kFieldWidth) * kFieldHeight);
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            const unsigned long pixel = XGetPixel(image.get(), x, y);
            field.rgb[static_cast<size_t>(y) * kFieldWidth + x] =
                (Channel(pixel, image->red_mask) << 16) | (Channel(pixel, image->green_mask) << 8) |
                Channel(pixel, image->blue_mask);
        }
    }
    return field;
}

}  // namespace probe
