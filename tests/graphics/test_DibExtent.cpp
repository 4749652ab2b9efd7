#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "graphics/BitmapFile.h"
#include "graphics/DibFormat.h"

namespace {

using fakes::BuildFile;
using fakes::Header;
using graphics::dib::FileExtent;

std::vector<uint8_t> WithOffBits(std::vector<uint8_t> file, uint32_t offBits) {
    file.resize(std::max<size_t>(file.size(), graphics::dib::kHeadSize));
    fakes::PokeLe32(file, 10, offBits);
    return file;
}

std::vector<uint8_t> Rle8(int32_t width, int32_t height, const std::vector<uint8_t>& stream) {
    return BuildFile(Header{width, height, 8, fakes::kRle8, 2}, fakes::Table({0x0000FF, 0xFF}),
                     stream);
}

struct ExtentCase {
    std::string what;
    std::vector<uint8_t> head;
    std::optional<uint64_t> least;
    uint64_t most = 0;
};

// What one load may read is fixed by the headers alone, and never passes
// the cap however large the sizes they claim: the longest lead and the
// longest RLE stream of a 4096 x 4096 image.
TEST(DibExtent, HeadersAloneBoundWhatIsRead) {
    constexpr uint64_t kMostEver = 65536 + 4 * 4096 * 4097 + 4 * 4096 + 2;
    const std::vector<ExtentCase> cases = {
        {"the 400 x 200 background", BuildFile(Header{400, 200, 24}, {}, {}), 240054, 240054},
        {"8 bits, 4 colours",
         BuildFile(Header{3, 2, 8, fakes::kRgb, 4}, fakes::Table({0, 1, 2, 3}), {}), 78, 78},
        {"RLE: the lead, then at most the longest stream", Rle8(4, 2, {}), 62, 62 + 58},
        {"the largest 32-bit image", BuildFile(Header{4096, -4096, 32}, {}, {}),
         54 + (uint64_t{64} << 20), 54 + (uint64_t{64} << 20)},
        {"the largest RLE image with its pixels furthest in",
         WithOffBits(Rle8(4096, 4096, {}), 65536), 65536, kMostEver},
        {"4097 wide", BuildFile(Header{4097, 1, 24}, {}, {}), std::nullopt},
        {"4097 high, top-down", BuildFile(Header{1, -4097, 24}, {}, {}), std::nullopt},
        {"pixels past the lead", WithOffBits(Rle8(1, 1, {}), 65537), std::nullopt},
        {"header past the lead", BuildFile(Header{1, 1, 24, fakes::kRgb, 0, 70000}, {}, {}),
         std::nullopt},
        {"short of the headers", std::vector<uint8_t>(53, 0x28), std::nullopt},
    };
    for (const ExtentCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<graphics::dib::Extent> extent = FileExtent(c.head);
        ASSERT_EQ(extent.has_value(), c.least.has_value());
        if (extent) {
            EXPECT_EQ(extent->least, *c.least);
            EXPECT_EQ(extent->most, c.most);
            EXPECT_LE(extent->most, kMostEver);
        }
    }
}

// Reading a file only up to `most` never changes what it draws, not even for
// a stream that would turn bad after the longest stream an image can have.
TEST(DibExtent, AFileCutWhereReadingStopsDrawsLikeTheWholeFile) {
    // Both rows, in 10 bytes, then moves up to the bound and one past it.
    std::vector<uint8_t> padded = {0x02, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00};
    ASSERT_EQ((graphics::dib::RleBound(2, 2) - padded.size()) % 4, 0u);
    while (padded.size() <= graphics::dib::RleBound(2, 2)) {
        padded.insert(padded.end(), {0x00, 0x02, 0x00, 0x00});  // a move that goes nowhere
    }
    padded.insert(padded.end(), {0x05, 0x01});  // a run past the end of the line
    std::vector<uint8_t> trailing = BuildFile(Header{2, 1, 24}, {}, {1, 2, 3, 4, 5, 6, 0, 0});
    trailing.resize(trailing.size() + 1000, 0xEE);

    for (const std::vector<uint8_t>& file : {Rle8(2, 2, padded), trailing}) {
        const std::optional<graphics::dib::Extent> extent = FileExtent(file);
        ASSERT_TRUE(extent);
        ASSERT_LT(extent->most, file.size());
        const std::span<const uint8_t> cut = std::span(file).first(extent->most);
        graphics::Surface fromWhole = fakes::Patterned(3, 3);
        graphics::Surface fromCut = fakes::Patterned(3, 3);
        EXPECT_TRUE(graphics::DrawBitmapBytes(file, fromWhole));
        EXPECT_TRUE(graphics::DrawBitmapBytes(cut, fromCut));
        EXPECT_EQ(fakes::Snapshot(fromWhole), fakes::Snapshot(fromCut));
    }
}

}  // namespace
