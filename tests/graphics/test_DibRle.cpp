#include <gtest/gtest.h>

#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "graphics/BitmapFile.h"

namespace {

using fakes::BuildFile;
using fakes::Header;
using graphics::DrawBitmapBytes;

// Entry 0 is no colour a decoder would make up on its own, so skipped pixels
// that take it are told apart from black or untouched ones.
constexpr uint32_t kE0 = 0x101010;
constexpr uint32_t kE1 = 0x0000FF;
constexpr uint32_t kE2 = 0x00FF00;
constexpr uint32_t kE3 = 0xFF0000;
constexpr uint32_t kE4 = 0x00FFFF;
constexpr uint32_t kE5 = 0xFF00FF;

std::vector<uint8_t> Rle8(int32_t width, int32_t height, const std::vector<uint8_t>& stream) {
    return BuildFile(Header{width, height, 8, fakes::kRle8, 4}, fakes::Table({kE0, kE1, kE2, kE3}),
                     stream);
}

std::vector<uint8_t> Rle4(int32_t width, int32_t height, const std::vector<uint8_t>& stream) {
    return BuildFile(Header{width, height, 4, fakes::kRle4, 6},
                     fakes::Table({kE0, kE1, kE2, kE3, kE4, kE5}), stream);
}

TEST(DibRle, Rle8_DrawsRunsAbsoluteRunsAndSkipsWithEntryZero) {
    const std::vector<uint8_t> file = Rle8(6, 3,
                                           {
                                               0x03, 0x01,                          // 1 1 1
                                               0x00, 0x03, 0x02, 0x03, 0x01, 0x00,  // 2 3 1, pad
                                               0x00, 0x00,                          // end of line
                                               0x00, 0x02, 0x02, 0x00,              // skip 2
                                               0x02, 0x02,                          // 2 2
                                               0x00, 0x00,                          // end of line
                                               0x06, 0x03,                          // 3 x 6
                                               0x00, 0x01,                          // end
                                           });
    graphics::Surface target = fakes::Patterned(7, 4);
    const graphics::Surface before = target;
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    const std::vector<std::vector<uint32_t>> expected = {
        {kE3, kE3, kE3, kE3, kE3, kE3},
        {kE0, kE0, kE2, kE2, kE0, kE0},
        {kE1, kE1, kE1, kE2, kE3, kE1},
    };
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 7; ++x) {
            const bool inside = x < 6 && y < 3;
            EXPECT_EQ(target.Pixel(x, y), inside ? expected[y][x] : before.Pixel(x, y))
                << "at (" << x << ", " << y << ")";
        }
    }
}

TEST(DibRle, Rle8_DeltaMovesAcrossRowsAndAnEarlyEndLeavesEntryZero) {
    const std::vector<uint8_t> file = Rle8(4, 3, {0x00, 0x02, 0x03, 0x01, 0x01, 0x02, 0x00, 0x01});
    graphics::Surface target(4, 3, 0xABCDEF);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{
                                           kE0, kE0, kE0, kE0,  //
                                           kE0, kE0, kE0, kE2,  //
                                           kE0, kE0, kE0, kE0,  //
                                       }));
}

TEST(DibRle, Rle4_AlternatesRunNibblesAndReadsAbsoluteNibbles) {
    const std::vector<uint8_t> file = Rle4(6, 2,
                                           {
                                               0x05, 0x12,              // 1 2 1 2 1
                                               0x00, 0x00,              // end of line
                                               0x00, 0x03, 0x34, 0x50,  // 3 4 5
                                               0x00, 0x02, 0x01, 0x00,  // skip 1
                                               0x01, 0x27,              // 2 (7 unused)
                                               0x00, 0x01,              // end
                                           });
    graphics::Surface target(6, 2);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{
                                           kE3, kE4, kE5, kE0, kE2, kE0,  //
                                           kE1, kE2, kE1, kE2, kE1, kE0,  //
                                       }));
}

TEST(DibRle, Rle_StreamEndingAfterItsLastRowNeedsNoEndMark) {
    const std::vector<uint8_t> file = Rle8(2, 2, {0x02, 0x01, 0x00, 0x00, 0x02, 0x02, 0x00, 0x00});
    graphics::Surface target(2, 2);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{kE2, kE2, kE1, kE1}));
}

TEST(DibRle, Rle_ClipsToASmallerTarget) {
    const std::vector<uint8_t> file =
        Rle8(6, 3, {0x06, 0x01, 0x00, 0x00, 0x06, 0x02, 0x00, 0x00, 0x06, 0x03, 0x00, 0x01});
    graphics::Surface target(4, 2);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target),
              (std::vector<uint32_t>{kE3, kE3, kE3, kE3, kE2, kE2, kE2, kE2}));
}

TEST(DibRle, Rle_RejectsBrokenStreamsWholeAndKeepsTheTarget) {
    fakes::ExpectRefusedWhole({
        {"run past the line", Rle8(6, 2, {0x07, 0x01, 0x00, 0x01})},
        {"run past the line after pixels", Rle8(6, 2, {0x04, 0x01, 0x03, 0x01, 0x00, 0x01})},
        {"absolute run past the line",
         Rle8(6, 2, {0x04, 0x01, 0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x00, 0x01})},
        {"delta past the line", Rle8(6, 2, {0x00, 0x02, 0x07, 0x00, 0x00, 0x01})},
        {"delta past the image", Rle8(6, 2, {0x00, 0x02, 0x00, 0x03, 0x00, 0x01})},
        {"more line ends than rows", Rle8(6, 2, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01})},
        {"pixels after the last row", Rle8(6, 2, {0x00, 0x00, 0x00, 0x00, 0x01, 0x01})},
        {"run index outside the table", Rle8(6, 2, {0x02, 0x04, 0x00, 0x01})},
        {"absolute index outside the table",
         Rle8(6, 2, {0x00, 0x03, 0x01, 0x02, 0x09, 0x00, 0x00, 0x01})},
        {"stream ends inside the image", Rle8(6, 2, {0x06, 0x01})},
        {"absolute run cut short", Rle8(6, 2, {0x00, 0x05, 0x01, 0x02})},
        {"delta cut short", Rle8(6, 2, {0x00, 0x02, 0x01})},
        {"top-down rows", Rle8(6, -2, {0x06, 0x01, 0x00, 0x01})},
        {"RLE4 run past the line", Rle4(6, 2, {0x07, 0x12, 0x00, 0x01})},
        {"RLE4 second nibble outside the table", Rle4(6, 2, {0x02, 0x17, 0x00, 0x01})},
        {"RLE4 absolute nibble outside the table",
         Rle4(6, 2, {0x00, 0x03, 0x12, 0x70, 0x00, 0x01})},
    });
}

}  // namespace
