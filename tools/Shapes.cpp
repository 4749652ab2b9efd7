#include "Shapes.h"

#include "Draw.h"

namespace art {
namespace {

bool insideEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double nx = (x + 0.5 - cx) / rx;
    const double ny = (y + 0.5 - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
}

}  // namespace

void fillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb colour) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            if (insideEllipse(x, y, cx, cy, rx, ry)) {
                canvas.set(x, y, colour);
            }
        }
    }
}

void ditherEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb shade,
                   double amount) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            if (insideEllipse(x, y, cx, cy, rx, ry) && ditherPicks(x, y, amount)) {
                canvas.set(x, y, shade);
            }
        }
    }
}

void framedRect(Canvas& canvas, int x, int y, int w, int h, Rgb fill, Rgb edge) {
    canvas.fillRect(x, y, w, h, edge);
    canvas.fillRect(x + 1, y + 1, w - 2, h - 2, fill);
}

void ditherGradient(Canvas& canvas, int x, int y, int w, int h, Rgb top, Rgb bottom) {
    for (int row = 0; row < h; ++row) {
        const double amount = h > 1 ? static_cast<double>(row) / (h - 1) : 0.0;
        for (int col = 0; col < w; ++col) {
            canvas.set(x + col, y + row, ditherPicks(x + col, y + row, amount) ? bottom : top);
        }
    }
}

}  // namespace art
