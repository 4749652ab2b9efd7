#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "graphics/BgrRows.h"
#include "graphics/BitmapFile.h"

namespace {

using fakes::BuildFile;
using fakes::Header;
using graphics::DrawBitmapBytes;
using graphics::PackBgr;

// Channel values whose 8-bit forms are known: a full channel must be 255.
constexpr std::array<uint32_t, 4> kFiveBit = {0, 8, 16, 31};
constexpr std::array<uint8_t, 4> kFiveBitAs8 = {0, 66, 132, 255};
constexpr std::array<uint32_t, 4> kSixBit = {0, 16, 32, 63};
constexpr std::array<uint8_t, 4> kSixBitAs8 = {0, 65, 130, 255};

uint32_t TableColour(uint32_t index) {
    return PackBgr(static_cast<uint8_t>(index * 13 + 1), static_cast<uint8_t>(255 - index),
                   static_cast<uint8_t>(index * 7));
}

std::vector<uint8_t> TableOf(uint32_t entries) {
    std::vector<uint8_t> table;
    for (uint32_t i = 0; i < entries; ++i) {
        const uint32_t c = TableColour(i);
        table.insert(table.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                                   static_cast<uint8_t>(c), 0});
    }
    return table;
}

uint8_t Red(int32_t x, int32_t y) {
    return static_cast<uint8_t>(40 * x + y + 1);
}
uint8_t Green(int32_t x, int32_t y) {
    return static_cast<uint8_t>(70 * y + x + 2);
}
uint8_t Blue(int32_t x, int32_t y) {
    return static_cast<uint8_t>(x * y + 200);
}

struct Format {
    std::string name;
    uint16_t bitCount;
    uint32_t compression;
    std::vector<uint8_t> extra;
    // The value stored for the pixel at (x, y) and the colour it must give.
    std::function<std::pair<uint32_t, uint32_t>(int32_t x, int32_t y)> pixel;

    friend void PrintTo(const Format& format, std::ostream* os) { *os << format.name; }
};

std::pair<uint32_t, uint32_t> Indexed(uint32_t index) {
    return {index, TableColour(index)};
}

// Which of the four known channel values red, green and blue take at (x, y).
std::array<size_t, 3> Steps(int32_t x, int32_t y) {
    return {static_cast<size_t>(x + y) % 4, static_cast<size_t>(x + 2 * y + 1) % 4,
            static_cast<size_t>(2 * x + y + 2) % 4};
}

// For the formats without a colour table or masks.
const std::vector<uint8_t> kNoExtra;

std::vector<Format> Formats() {
    return {
        {"Indexed1", 1, fakes::kRgb, TableOf(2),
         [](int32_t x, int32_t y) { return Indexed(static_cast<uint32_t>(x + y) % 2); }},
        {"Indexed4", 4, fakes::kRgb, TableOf(16),
         [](int32_t x, int32_t y) { return Indexed(static_cast<uint32_t>(3 * x + 5 * y) % 16); }},
        {"Indexed8", 8, fakes::kRgb, TableOf(256),
         [](int32_t x, int32_t y) {
             return Indexed(static_cast<uint32_t>(37 * x + 101 * y + 250) % 256);
         }},
        {"Rgb555", 16, fakes::kRgb, kNoExtra,
         [](int32_t x, int32_t y) {
             const auto [r, g, b] = Steps(x, y);
             return std::pair{kFiveBit[r] << 10 | kFiveBit[g] << 5 | kFiveBit[b],
                              PackBgr(kFiveBitAs8[r], kFiveBitAs8[g], kFiveBitAs8[b])};
         }},
        {"Bitfields565", 16, fakes::kBitfields, fakes::Masks(0xF800, 0x07E0, 0x001F),
         [](int32_t x, int32_t y) {
             const auto [r, g, b] = Steps(x, y);
             return std::pair{kFiveBit[r] << 11 | kSixBit[g] << 5 | kFiveBit[b],
                              PackBgr(kFiveBitAs8[r], kSixBitAs8[g], kFiveBitAs8[b])};
         }},
        {"Rgb24", 24, fakes::kRgb, kNoExtra,
         [](int32_t x, int32_t y) {
             return std::pair{uint32_t{Red(x, y)} << 16 | uint32_t{Green(x, y)} << 8 | Blue(x, y),
                              PackBgr(Red(x, y), Green(x, y), Blue(x, y))};
         }},
        // The fourth byte is neither colour nor transparency.
        {"Rgb32", 32, fakes::kRgb, kNoExtra,
         [](int32_t x, int32_t y) {
             return std::pair{
                 0x5A000000u | uint32_t{Red(x, y)} << 16 | uint32_t{Green(x, y)} << 8 | Blue(x, y),
                 PackBgr(Red(x, y), Green(x, y), Blue(x, y))};
         }},
        {"Bitfields32Swapped", 32, fakes::kBitfields,
         fakes::Masks(0x000000FF, 0x0000FF00, 0x00FF0000),
         [](int32_t x, int32_t y) {
             return std::pair{uint32_t{Blue(x, y)} << 16 | uint32_t{Green(x, y)} << 8 | Red(x, y),
                              PackBgr(Red(x, y), Green(x, y), Blue(x, y))};
         }},
    };
}

using Case = std::tuple<Format, bool, int32_t>;

class DecodeEveryFormat : public testing::TestWithParam<Case> {};

// Widths 1 to 5 give every amount of row padding for every depth; 37 takes
// the wide-row paths, including their leftover pixels.
TEST_P(DecodeEveryFormat, DrawsEachPixelAtItsPlaceAndKeepsTheRest) {
    const auto& [format, topDown, width] = GetParam();
    constexpr int32_t kHeight = 3;
    std::vector<std::vector<uint32_t>> stored(kHeight, std::vector<uint32_t>(width));
    std::vector<std::vector<uint32_t>> expected = stored;
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            std::tie(stored[y][x], expected[y][x]) = format.pixel(x, y);
        }
    }
    const std::vector<uint8_t> file = BuildFile(
        Header{width, topDown ? -kHeight : kHeight, format.bitCount, format.compression},
        format.extra, fakes::PackRows(fakes::InFileOrder(stored, topDown), format.bitCount));

    graphics::Surface target = fakes::Patterned(width + 2, kHeight + 2);
    const graphics::Surface before = target;
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    for (int32_t y = 0; y < target.Height(); ++y) {
        for (int32_t x = 0; x < target.Width(); ++x) {
            const bool inside = x < width && y < kHeight;
            EXPECT_EQ(target.Pixel(x, y), inside ? expected[y][x] : before.Pixel(x, y))
                << "at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DibRows, DecodeEveryFormat,
                         testing::Combine(testing::ValuesIn(Formats()), testing::Bool(),
                                          testing::Values(1, 2, 3, 4, 5, 37)),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::get<0>(info.param).name +
                                    (std::get<1>(info.param) ? "_TopDown" : "_BottomUp") +
                                    "_Width" + std::to_string(std::get<2>(info.param));
                         });

TEST(DibRows, Draw16Bit_WhiteStaysExactlyWhite) {
    const std::vector<uint8_t> file =
        BuildFile(Header{2, 1, 16}, {}, fakes::PackRows({{0x7FFF, 0x0000}}, 16));
    graphics::Surface target(2, 1);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(target.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(target.Pixel(1, 0), 0x000000u);
}

TEST(DibRows, Draw32Bit_WideChannelsKeepTheirTopEightBits) {
    // 10 bits per channel: red 0x3FF, green 0x200, blue 0x0FF.
    const uint32_t value = 0x3FFu << 20 | 0x200u << 10 | 0x0FFu;
    const std::vector<uint8_t> file =
        BuildFile(Header{1, 1, 32, fakes::kBitfields},
                  fakes::Masks(0x3FF00000, 0x000FFC00, 0x000003FF), fakes::PackRows({{value}}, 32));
    graphics::Surface target(1, 1);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(target.Pixel(0, 0), PackBgr(0xFF, 0x80, 0x3F));
}

TEST(DibRows, Draw8Bit_TakesColoursFromAShortTable) {
    const std::vector<uint8_t> file =
        BuildFile(Header{3, 1, 8, fakes::kRgb, 2}, fakes::Table({0x123456, 0xABCDEF}),
                  fakes::PackRows({{1, 0, 1}}, 8));
    graphics::Surface target(3, 1);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{0xABCDEF, 0x123456, 0xABCDEF}));
}

TEST(DibRows, Draw_ImageLargerThanTargetShowsItsTopLeftPart) {
    std::vector<std::vector<uint32_t>> rows(6, std::vector<uint32_t>(9));
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            rows[y][x] = static_cast<uint32_t>(y * 16 + x);
        }
    }
    const std::vector<uint8_t> file = BuildFile(
        Header{9, 6, 8}, TableOf(256), fakes::PackRows(fakes::InFileOrder(rows, false), 8));
    graphics::Surface target(4, 3);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(target.Pixel(x, y), TableColour(static_cast<uint32_t>(y * 16 + x)));
        }
    }
}

TEST(DibRows, Draw_FollowsTheBitsOffsetAndALongerHeader) {
    // A 124-byte header, then the table, then a gap before the bits.
    std::vector<uint8_t> extra = fakes::Table({0x0000FF, 0x00FF00});
    extra.insert(extra.end(), {0xEE, 0xEE, 0xEE, 0xEE});
    const std::vector<uint8_t> file =
        BuildFile(Header{2, 1, 8, fakes::kRgb, 2, 124}, extra, fakes::PackRows({{1, 0}}, 8));
    graphics::Surface target(2, 1);
    ASSERT_TRUE(DrawBitmapBytes(file, target));
    EXPECT_EQ(fakes::Snapshot(target), (std::vector<uint32_t>{0x00FF00, 0x0000FF}));
}

// Every instruction set this machine runs, not only the fastest, so the
// slower ones a machine without AVX2 would take are checked here too. Each
// row sits at the very end of its buffer, so a read past its last triple is
// caught by the sanitizer build; widths up to 70 take every unrolled step
// and every leftover count.
TEST(DibRows, BgrRows_EveryInstructionSetWidensEveryWidthAlike) {
    for (const graphics::dib::RowCode code :
         {graphics::dib::RowCode::kPortable, graphics::dib::RowCode::kSse2,
          graphics::dib::RowCode::kSsse3, graphics::dib::RowCode::kAvx2}) {
        if (!graphics::dib::MachineRuns(code)) {
            continue;
        }
        for (int32_t width = 0; width <= 70; ++width) {
            const size_t count = static_cast<size_t>(width);
            std::vector<uint8_t> triples(3 * count);
            for (size_t i = 0; i < triples.size(); ++i) {
                triples[i] = static_cast<uint8_t>(i * 37 + static_cast<size_t>(width));
            }
            std::vector<uint32_t> words(count + 1, 0x12345678u);
            graphics::dib::BgrRowFor(code)(triples.data(), words.data(), width);
            for (size_t x = 0; x < count; ++x) {
                const uint32_t expected = 0xFF000000u | uint32_t{triples[3 * x + 2]} << 16 |
                                          uint32_t{triples[3 * x + 1]} << 8 | triples[3 * x];
                ASSERT_EQ(words[x], expected)
                    << "set " << static_cast<int>(code) << ", width " << width << ", pixel " << x;
            }
            EXPECT_EQ(words[count], 0x12345678u) << "wrote past the row, width " << width;
        }
    }
}

}  // namespace
