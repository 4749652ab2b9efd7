#include "Shapes.h"

#include "Draw.h"

namespace art {
namespace {

bool InsideEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double nx = (x + 0.5 - cx) / rx;
    const double ny = (y + 0.5 - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
}

}  // namespace

void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb colour) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            if (InsideEllipse(x, y, cx, cy, rx, ry)) {
                canvas.Set(x, y, colour);
            }
        }
    }
}

void DitherEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb shade,
                   double amount) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            if (InsideEllipse(x, y, cx, cy, rx, ry) && DitherPicks(x, y, amount)) {
                canvas.Set(x, y, shade);
            }
        }
    }
}

void FramedRect(Canvas& canvas, int x, int y, int w, int h, Rgb fill, Rgb edge) {
    canvas.FillRect(x, y, w, h, edge);
    canvas.FillRect(x + 1, y + 1, w - 2, h - 2, fill);
}

void DitherGradient(Canvas& canvas, int x, int y, int w, int h, Rgb top, Rgb bottom) {
    for (int row = 0; row < h; ++row) {
        const double amount = h > 1 ? static_cast<double>(row) / (h - 1) : 0.0;
        for (int col = 0; col < w; ++col) {
            canvas.Set(x + col, y + row, DitherPicks(x + col, y + row, amount) ? bottom : top);
        }
    }
}

}  // namespace art
