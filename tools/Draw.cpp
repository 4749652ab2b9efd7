#include "Draw.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace art {

void DrawPixelMap(Canvas& canvas, int x, int y, PixelMap rows, Flip flip, int scale) {
    for (const std::string_view line : rows) {
        if (line.size() != rows.front().size()) {
            throw std::logic_error("pixel map rows differ in width: \"" + std::string(line) + '"');
        }
    }
    int row = 0;
    for (const std::string_view line : rows) {
        const int width = static_cast<int>(line.size());
        for (int col = 0; col < width; ++col) {
            const char key = line[static_cast<std::size_t>(col)];
            if (key == '.') {
                continue;
            }
            const int dx = flip == Flip::Horizontal ? width - 1 - col : col;
            canvas.FillRect(x + dx * scale, y + row * scale, scale, scale, ColourForKey(key));
        }
        ++row;
    }
}

void BlitTransparent(Canvas& dst, int x, int y, const Canvas& src, int srcX, int srcY, int w, int h,
                     int scale) {
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            if (!src.Contains(srcX + col, srcY + row)) {
                continue;
            }
            const Rgb colour = src.At(srcX + col, srcY + row);
            if (colour != kTransparent) {
                dst.FillRect(x + col * scale, y + row * scale, scale, scale, colour);
            }
        }
    }
}

bool DitherPicks(int x, int y, double amount) {
    static constexpr std::array<int, 16> kBayer{0, 8,  2, 10, 12, 4, 14, 6,
                                                3, 11, 1, 9,  15, 7, 13, 5};
    const int threshold = kBayer[static_cast<std::size_t>((y & 3) * 4 + (x & 3))];
    return amount * 16.0 > threshold + 0.5;
}

void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        canvas.Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void OutlineShape(Canvas& canvas, int x, int y, int w, int h, Rgb background, Rgb outline) {
    std::vector<std::array<int, 2>> rim;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (!canvas.Contains(col, row) || canvas.At(col, row) != background) {
                continue;
            }
            constexpr std::array<std::array<int, 2>, 4> kSides{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
            for (const auto& side : kSides) {
                const int nx = col + side[0];
                const int ny = row + side[1];
                if (canvas.Contains(nx, ny) && canvas.At(nx, ny) != background &&
                    canvas.At(nx, ny) != outline) {
                    rim.push_back({col, row});
                    break;
                }
            }
        }
    }
    for (const auto& p : rim) {
        canvas.Set(p[0], p[1], outline);
    }
}

}  // namespace art
