#include <algorithm>

#include "Draw.h"
#include "FendorFigure.h"
#include "Pictures.h"
#include "Shapes.h"

namespace art {
namespace {

bool InsideRoundedTile(int x, int y, int left, int top, int side, int radius) {
    const int right = left + side - 1;
    const int bottom = top + side - 1;
    if (x < left || y < top || x > right || y > bottom) {
        return false;
    }
    const int cx = std::clamp(x, left + radius, right - radius);
    const int cy = std::clamp(y, top + radius, bottom - radius);
    const int dx = x - cx;
    const int dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

}  // namespace

// The splash picture's sky and schoolyard on a rounded tile, with one Fendor standing on it as
// large as whole-pixel scaling allows, so the pixel art stays crisp at every icon size.
Canvas MakeIcon(int size, const Canvas& characterSheet) {
    Canvas scene(size, size, kSky);
    const int ground = size * 5 / 8;
    DitherGradient(scene, 0, 0, size, ground, kCobalt, kSky);
    DitherGradient(scene, 0, ground, size, size - ground, kOrange, kTangerine);
    scene.FillRect(0, ground, size, std::max(1, size / 64), kBrown);

    const int scale = std::max(1, size * 13 / 16 / kFigureHeight);
    const int margin = std::max(2, size / 16);
    const int anchorX = (size - kFigureWidth * scale) / 2 - kFigureLeft * scale;
    const int anchorY = std::max(0, size - margin - kFigureHeight * scale - std::max(1, size / 32));
    DitherEllipse(scene, anchorX + 8 * scale, anchorY + (kFigureHeight - 1.5) * scale, 14.0 * scale,
                  3.0 * scale, kBrown, 0.6);

    Canvas icon(size, size, kTransparent);
    const int side = size - 2 * margin;
    const int radius = size / 6;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (InsideRoundedTile(x, y, margin, margin, side, radius)) {
                icon.Set(x, y, scene.At(x, y));
            }
        }
    }
    DrawFendor(icon, characterSheet, anchorX, anchorY, 0, scale);
    OutlineShape(icon, 0, 0, size, size, kTransparent, kInk);
    return icon;
}

}  // namespace art
