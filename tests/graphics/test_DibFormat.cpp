#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "graphics/BitmapFile.h"
#include "graphics/DibFormat.h"

namespace {

using fakes::BuildFile;
using fakes::Header;
using fakes::PokeLe32;
using graphics::DrawBitmapBytes;

constexpr size_t kOffBitsAt = 10;
constexpr size_t kInfoSizeAt = 14;
constexpr size_t kWidthAt = 18;
constexpr size_t kHeightAt = 22;

// 3 x 2 pixels, 8 bits, a 4-entry table: 54 + 16 + 8 bytes.
std::vector<uint8_t> GoodIndexed() {
    return BuildFile(Header{3, 2, 8, fakes::kRgb, 4},
                     fakes::Table({0x000000, 0x0000FF, 0x00FF00, 0xFF0000}),
                     fakes::PackRows({{0, 1, 2}, {3, 2, 1}}, 8));
}

std::vector<uint8_t> Good24(int32_t width, int32_t height) {
    return BuildFile(Header{width, height, 24}, {},
                     std::vector<uint8_t>((static_cast<size_t>(width) * 3 + 3) / 4 * 4 *
                                              static_cast<size_t>(height < 0 ? -height : height),
                                          0x40));
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> file, size_t length) {
    file.resize(length);
    return file;
}

std::vector<uint8_t> With32(std::vector<uint8_t> file, size_t at, uint32_t value) {
    PokeLe32(file, at, value);
    return file;
}

TEST(DibFormat, Parse_RefusesFilesShorterThanTheirHeadersClaim) {
    const std::vector<uint8_t> good = GoodIndexed();
    ASSERT_EQ(good.size(), 78u);
    fakes::ExpectRefusedWhole({
        {"empty", {}},
        {"file header only", Truncated(good, 14)},
        {"one byte short of both headers", Truncated(good, 53)},
        {"colour table cut short", Truncated(good, 60)},
        {"pixel area one byte short", Truncated(good, 77)},
        {"information header longer than the file", With32(good, kInfoSizeAt, 200)},
        {"full 256-entry table missing", With32(good, 46, 0)},
        {"bits offset past the end", With32(good, kOffBitsAt, 79)},
        {"bits offset at the very end", With32(good, kOffBitsAt, 78)},
        {"bits offset far away", With32(good, kOffBitsAt, 0xFFFFFFFF)},
        {"bit masks missing",
         BuildFile(Header{1, 1, 16, fakes::kBitfields}, fakes::Masks(0x7C00, 0x03E0, 0x001F), {})},
    });
}

TEST(DibFormat, Parse_RefusesAbsurdSizes) {
    fakes::ExpectRefusedWhole({
        {"zero width", With32(Good24(1, 1), kWidthAt, 0)},
        {"negative width", With32(Good24(1, 1), kWidthAt, static_cast<uint32_t>(-1))},
        {"zero height", With32(Good24(1, 1), kHeightAt, 0)},
        {"most negative height", With32(Good24(1, 1), kHeightAt, 0x80000000u)},
        {"pixel count past 32 bits", With32(Good24(65536, 1), kHeightAt, 65536)},
        {"row far longer than the file", With32(Good24(1, 1), kWidthAt, 0x7FFFFFFF)},
        {"RLE image with a pixel count past 32 bits",
         BuildFile(Header{70000, 70000, 8, fakes::kRle8, 1}, fakes::Table({0}),
                   std::vector<uint8_t>{0x00, 0x01})},
        {"header shorter than 40 bytes", With32(Good24(1, 1), kInfoSizeAt, 12)},
        {"wider than any sheet", Good24(4097, 1)},
        {"taller than any sheet, top-down", Good24(1, -4097)},
        {"header longer than any lead", With32(Good24(1, 1), kInfoSizeAt, 0x10001)},
    });
}

TEST(DibFormat, Parse_RefusesFormatsItDoesNotDecode) {
    fakes::ExpectRefusedWhole({
        {"2 bits per pixel", BuildFile(Header{4, 1, 2}, fakes::Table({0, 1, 2, 3}), {0, 0, 0, 0})},
        {"24-bit bit fields", BuildFile(Header{1, 1, 24, fakes::kBitfields},
                                        fakes::Masks(0xFF0000, 0xFF00, 0xFF), {0, 0, 0, 0})},
        {"RLE8 on 4 bits", BuildFile(Header{1, 1, 4, fakes::kRle8}, fakes::Table({0}), {0, 1})},
        {"RLE4 on 8 bits", BuildFile(Header{1, 1, 8, fakes::kRle4}, fakes::Table({0}), {0, 1})},
        {"embedded JPEG", BuildFile(Header{1, 1, 0, 4}, {}, {0xFF, 0xD8, 0xFF, 0xD9})},
        {"mask with a hole", BuildFile(Header{1, 1, 16, fakes::kBitfields},
                                       fakes::Masks(0xF0F0, 0x0F00, 0x000F), {0, 0, 0, 0})},
    });
}

TEST(DibFormat, Parse_RefusesIndicesPastTheColourTable) {
    fakes::ExpectRefusedWhole({
        {"8 bits", BuildFile(Header{3, 1, 8, fakes::kRgb, 2}, fakes::Table({0, 0xFFFFFF}),
                             fakes::PackRows({{0, 1, 2}}, 8))},
        {"4 bits", BuildFile(Header{3, 1, 4, fakes::kRgb, 3}, fakes::Table({0, 1, 2}),
                             fakes::PackRows({{2, 3, 0}}, 4))},
        {"1 bit", BuildFile(Header{9, 1, 1, fakes::kRgb, 1}, fakes::Table({0xFFFFFF}),
                            fakes::PackRows({{0, 0, 0, 0, 0, 0, 0, 0, 1}}, 1))},
        {"bottom row only", BuildFile(Header{2, 2, 8, fakes::kRgb, 2}, fakes::Table({0, 0xFFFFFF}),
                                      fakes::PackRows({{1, 7}, {1, 0}}, 8))},
    });
}

TEST(DibFormat, Parse_IgnoresRowPaddingWhenCheckingIndices) {
    std::vector<uint8_t> bits = fakes::PackRows({{1, 0, 1}}, 8);
    bits[3] = 0xFF;
    std::vector<uint8_t> file =
        BuildFile(Header{3, 1, 8, fakes::kRgb, 2}, fakes::Table({0x0000FF, 0x00FF00}), bits);
    graphics::Surface target(3, 1);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{0x00FF00, 0x0000FF, 0x00FF00}));

    // A 4-bit row of odd width leaves the low half of its last byte unused.
    bits = fakes::PackRows({{1}}, 4);
    bits[0] |= 0x0F;
    file = BuildFile(Header{1, 1, 4, fakes::kRgb, 2}, fakes::Table({0x0000FF, 0x00FF00}), bits);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(target.Pixel(0, 0), 0x00FF00u);
}

TEST(DibFormat, Parse_TableLongerThanTheDepthNeedsOnlyItsUsableEntries) {
    // 1 bit per pixel claiming 200 colours: the two usable entries are enough.
    const std::vector<uint8_t> file =
        BuildFile(Header{2, 1, 1, fakes::kRgb, 200}, fakes::Table({0x0000FF, 0x00FF00}),
                  fakes::PackRows({{1, 0}}, 1));
    graphics::Surface target(2, 1);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{0x00FF00, 0x0000FF}));
}

TEST(DibFormat, Draw_EmptyTargetDrawsNothing) {
    graphics::Surface target(0, 0);
    EXPECT_FALSE(DrawBitmapBytes(GoodIndexed(), target));
}

}  // namespace
