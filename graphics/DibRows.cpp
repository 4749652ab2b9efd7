#include "graphics/DibRows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "graphics/VectorClones.h"

namespace dib {
namespace {

using Bytes16 = uint8_t __attribute__((vector_size(16)));
using Bytes32 = uint8_t __attribute__((vector_size(32)));
using Words4 = uint32_t __attribute__((vector_size(16)));
using Words8 = uint32_t __attribute__((vector_size(32)));

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr Words4 kOpaque4 = {kOpaque, kOpaque, kOpaque, kOpaque};
constexpr Words8 kOpaque8 = {kOpaque, kOpaque, kOpaque, kOpaque,
                             kOpaque, kOpaque, kOpaque, kOpaque};

// Kernels are inlined into the per-depth loops below, so a loop compiled for
// several instruction sets takes its kernel along into each of them.
#define DIB_KERNEL [[gnu::always_inline]] inline

template <typename Kernel>
DIB_KERNEL void EachRow(const Image& image, platform::Surface& target, Kernel kernel) {
    const int32_t cols = std::min(image.width, target.Width());
    const int32_t rows = std::min(image.height, target.Height());
    for (int32_t y = 0; y < rows; ++y) {
        const int32_t stored = image.topDown ? y : image.height - 1 - y;
        kernel(image.bits.data() + static_cast<size_t>(stored) * image.stride, target.ScanLine(y),
               cols);
    }
}

uint32_t FromChannels(const Image& image, uint32_t pixel) {
    const auto& [r, g, b] = image.channels;
    return kOpaque | (uint32_t{r.to8[(pixel >> r.shift) & r.max]} << 16) |
           (uint32_t{g.to8[(pixel >> g.shift) & g.max]} << 8) | b.to8[(pixel >> b.shift) & b.max];
}

DIB_KERNEL uint32_t LoadLe32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

DIB_KERNEL uint32_t FromBgr(const uint8_t* p) {
    return kOpaque | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

// Rows are B, G, R byte triples; a surface word is 0xFFRRGGBB, which on a
// little-endian machine is the same three bytes plus a fourth. The shuffles
// fill that fourth byte with a neighbour's, which the opaque OR overwrites.
// Each 16-byte read serves 4 pixels (12 bytes), so the vector steps stop
// before a read would pass the row's pixels; the rest go one at a time.
DIB_KERNEL void Row24(const uint8_t* src, uint32_t* dst, int32_t count) {
    int32_t x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; 3 * x + 52 <= 3 * count; x += 16) {
            std::array<Bytes16, 4> in;
            for (size_t k = 0; k < in.size(); ++k) {
                std::memcpy(&in[k], src + 3 * x + 12 * k, sizeof(Bytes16));
            }
            const std::array<Bytes32, 2> spread = {
                __builtin_shufflevector(in[0], in[1], 0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 11,
                                        12, 16, 17, 18, 19, 19, 20, 21, 22, 22, 23, 24, 25, 25, 26,
                                        27, 28),
                __builtin_shufflevector(in[2], in[3], 0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 11,
                                        12, 16, 17, 18, 19, 19, 20, 21, 22, 22, 23, 24, 25, 25, 26,
                                        27, 28)};
            for (size_t k = 0; k < spread.size(); ++k) {
                Words8 out;
                std::memcpy(&out, &spread[k], sizeof out);
                out |= kOpaque8;
                std::memcpy(dst + x + 8 * k, &out, sizeof out);
            }
        }
        for (; 3 * x + 16 <= 3 * count; x += 4) {
            Bytes16 in;
            std::memcpy(&in, src + 3 * x, sizeof in);
            const Bytes16 spread =
                __builtin_shufflevector(in, in, 0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 11, 12);
            Words4 out;
            std::memcpy(&out, &spread, sizeof out);
            out |= kOpaque4;
            std::memcpy(dst + x, &out, sizeof out);
        }
    }
    for (; x < count; ++x) {
        dst[x] = FromBgr(src + 3 * x);
    }
}

DIB_KERNEL void Row32(const uint8_t* src, uint32_t* dst, int32_t count) {
    int32_t x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; x + 8 <= count; x += 8) {
            Words8 words;
            std::memcpy(&words, src + 4 * x, sizeof words);
            words |= kOpaque8;
            std::memcpy(dst + x, &words, sizeof words);
        }
    }
    for (; x < count; ++x) {
        dst[x] = kOpaque | LoadLe32(src + 4 * x);
    }
}

FENDO_VECTOR_CLONES
void Draw24(const Image& image, platform::Surface& target) {
    EachRow(image, target, Row24);
}

FENDO_VECTOR_CLONES
void Draw32(const Image& image, platform::Surface& target) {
    EachRow(image, target, Row32);
}

void DrawIndexed(const Image& image, platform::Surface& target) {
    const auto& table = image.table;
    switch (image.bitCount) {
        case 1:
            EachRow(image, target, [&](const uint8_t* src, uint32_t* dst, int32_t count) {
                for (int32_t x = 0; x < count; ++x) {
                    dst[x] = table[(src[x / 8] >> (7 - (x & 7))) & 1u];
                }
            });
            break;
        case 4:
            EachRow(image, target, [&](const uint8_t* src, uint32_t* dst, int32_t count) {
                for (int32_t x = 0; x < count; ++x) {
                    dst[x] = table[(src[x / 2] >> ((x & 1) != 0 ? 0 : 4)) & 0x0Fu];
                }
            });
            break;
        default:
            EachRow(image, target, [&](const uint8_t* src, uint32_t* dst, int32_t count) {
                for (int32_t x = 0; x < count; ++x) {
                    dst[x] = table[src[x]];
                }
            });
    }
}

void DrawMasked(const Image& image, platform::Surface& target) {
    if (image.bitCount == 16) {
        EachRow(image, target, [&](const uint8_t* src, uint32_t* dst, int32_t count) {
            for (int32_t x = 0; x < count; ++x) {
                dst[x] =
                    FromChannels(image, uint32_t{src[2 * x]} | (uint32_t{src[2 * x + 1]} << 8));
            }
        });
    } else {
        EachRow(image, target, [&](const uint8_t* src, uint32_t* dst, int32_t count) {
            for (int32_t x = 0; x < count; ++x) {
                dst[x] = FromChannels(image, LoadLe32(src + 4 * x));
            }
        });
    }
}

}  // namespace

void DrawUncompressed(const Image& image, platform::Surface& target) {
    if (image.bitCount <= 8) {
        DrawIndexed(image, target);
    } else if (image.bitCount == 24) {
        Draw24(image, target);
    } else if (image.plain32) {
        Draw32(image, target);
    } else {
        DrawMasked(image, target);
    }
}

}  // namespace dib
