#include "graphics/DibRle.h"

#include <algorithm>

namespace graphics::dib {
namespace {

constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

// Where the walk writes, when it writes: the visible part of the image.
struct Canvas {
    Surface* surface = nullptr;
    int64_t cols = 0;
    int64_t rows = 0;
};

// Walks the stream once. Without a canvas it only checks; with one it draws,
// which is done only after a checking walk accepted the same stream, so a bad
// stream never leaves a half-drawn target. Positions are 64-bit so that no
// run or delta can overflow them. y counts stored rows, bottom row first.
bool Walk(const Image& image, const Canvas& canvas) {
    const std::span<const uint8_t> s = image.bits;
    const bool four = image.compression == Compression::kRle4;
    const int64_t width = image.width;
    const int64_t height = image.height;
    const auto indexAt = [&](size_t from, int64_t k) -> uint32_t {
        return four ? (s[from + static_cast<size_t>(k / 2)] >> ((k & 1) != 0 ? 0 : 4)) & 0x0Fu
                    : s[from + static_cast<size_t>(k)];
    };
    const auto visibleRow = [&](int64_t y) -> uint32_t* {
        const int64_t row = height - 1 - y;
        return row < canvas.rows ? canvas.surface->ScanLine(static_cast<int32_t>(row)) : nullptr;
    };

    int64_t x = 0;
    int64_t y = 0;
    size_t at = 0;
    while (s.size() - at >= 2) {
        const uint8_t first = s[at];
        const uint8_t second = s[at + 1];
        at += 2;
        if (first > 0) {
            const uint32_t even = four ? second >> 4 : second;
            const uint32_t odd = four ? second & 0x0Fu : second;
            if (y >= height || x + first > width || even >= image.tableSize ||
                (first > 1 && odd >= image.tableSize)) {
                return false;
            }
            if (uint32_t* dst = visibleRow(y)) {
                const int64_t end = std::min(x + first, canvas.cols);
                for (int64_t i = x; i < end; ++i) {
                    dst[i] = image.table[((i - x) & 1) != 0 ? odd : even];
                }
            }
            x += first;
            continue;
        }
        if (second == kEndOfLine) {
            x = 0;
            if (++y > height) {
                return false;
            }
        } else if (second == kEndOfBitmap) {
            return true;
        } else if (second == kDelta) {
            if (s.size() - at < 2) {
                return false;
            }
            x += s[at];
            y += s[at + 1];
            at += 2;
            if (x > width || y > height) {
                return false;
            }
        } else {
            const int64_t count = second;
            const size_t bytes = four ? (second + 1u) / 2 : second;
            const size_t padded = bytes + (bytes & 1u);
            if (s.size() - at < padded || y >= height || x + count > width) {
                return false;
            }
            uint32_t* dst = visibleRow(y);
            for (int64_t k = 0; k < count; ++k) {
                const uint32_t index = indexAt(at, k);
                if (index >= image.tableSize) {
                    return false;
                }
                if (dst != nullptr && x + k < canvas.cols) {
                    dst[x + k] = image.table[index];
                }
            }
            at += padded;
            x += count;
        }
    }
    return y == height;
}

}  // namespace

bool RleStreamIsValid(const Image& image) {
    return Walk(image, Canvas{});
}

void DrawRle(const Image& image, Surface& target) {
    const Canvas canvas{&target, std::min(image.width, target.Width()),
                        std::min(image.height, target.Height())};
    for (int64_t row = 0; row < canvas.rows; ++row) {
        uint32_t* line = target.ScanLine(static_cast<int32_t>(row));
        std::fill(line, line + canvas.cols, image.table[0]);
    }
    Walk(image, canvas);
}

}  // namespace graphics::dib
