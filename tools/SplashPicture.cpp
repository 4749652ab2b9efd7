#include <array>
#include <string_view>

#include "Draw.h"
#include "FendorFigure.h"
#include "FixedNoise.h"
#include "Pictures.h"
#include "Shapes.h"

namespace art {
namespace {

constexpr int kWidth = graphics::kSplashSize.width;
constexpr int kHeight = graphics::kSplashSize.height;
constexpr int kGlyphScale = 2;

// フ, ェ, ン, ド in 10 x 11 pixel strokes; drawn doubled with an outline and a drop shadow.
// clang-format off
constexpr std::string_view kFu[] = {
    "YYYYYYYYYY",
    "YYYYYYYYYY",
    "........YY",
    "........YY",
    ".......YY.",
    "......YYY.",
    ".....YYY..",
    "....YYY...",
    "..YYYY....",
    "YYYY......",
    "YY........",
};
// clang-format on
// clang-format off
constexpr std::string_view kSmallE[] = {
    "..........",
    "..........",
    "..........",
    ".YYYYYYYY.",
    ".YYYYYYYY.",
    "....YY....",
    "....YY....",
    "....YY....",
    ".YYYYYYYY.",
    ".YYYYYYYY.",
    "..........",
};
// clang-format on
// clang-format off
constexpr std::string_view kN[] = {
    "YY........",
    "YYY.......",
    ".YY.....YY",
    "........YY",
    ".......YY.",
    "......YYY.",
    ".....YYY..",
    "...YYYY...",
    "YYYYY.....",
    "YYY.......",
    "..........",
};
// clang-format on
// clang-format off
constexpr std::string_view kDo[] = {
    "..YY...Y.Y",
    "..YY..Y.Y.",
    "..YY......",
    "..YYYY....",
    "..YY.YYY..",
    "..YY...YY.",
    "..YY....Y.",
    "..YY......",
    "..YY......",
    "..YY......",
    "..YY......",
};
// clang-format on

void DrawSky(Canvas& c) {
    DitherGradient(c, 0, 0, kWidth, 70, kCobalt, kSky);
    DitherGradient(c, 0, 70, kWidth, 40, kSky, kPeach);
    // The school on the horizon.
    c.FillRect(8, 92, 94, 22, kWhite);
    c.FillRect(8, 92, 94, 1, kSilver);
    for (int x = 12; x < 100; x += 8) {
        c.FillRect(x, 96, 5, 4, kSky);
        c.FillRect(x, 104, 5, 4, kSky);
    }
    FramedRect(c, 48, 82, 14, 11, kWhite, kSilver);
    FillEllipse(c, 55, 87.5, 3.5, 3.5, kSilver);
    FillEllipse(c, 55, 87.5, 2.5, 2.5, kWhite);
    // Schoolyard.
    DitherGradient(c, 0, 112, kWidth, kHeight - 112, kOrange, kTangerine);
    c.FillRect(0, 112, kWidth, 1, kBrown);
}

void DrawPetals(Canvas& c) {
    FixedNoise noise(39);
    for (int i = 0; i < 26; ++i) {
        const int x = noise.Below(kWidth);
        const int y = 30 + noise.Below(90);
        c.Set(x, y, kPink);
        c.Set(x + 1, y, kPink);
        c.Set(x, y + 1, kWhite);
    }
}

void DrawTitle(Canvas& c) {
    Canvas letters(kWidth, 32, kTransparent);
    const std::array<std::span<const std::string_view>, 4> glyphs{kFu, kSmallE, kN, kDo};
    int x = 6;
    for (const auto glyph : glyphs) {
        DrawPixelMap(letters, x, 5, glyph, Flip::None, kGlyphScale);
        x += 10 * kGlyphScale + 5;
    }
    // Yellow letters fading to orange, then a dark rim.
    for (int y = 0; y < letters.Height(); ++y) {
        for (int xx = 0; xx < kWidth; ++xx) {
            if (letters.At(xx, y) != kTransparent) {
                letters.Set(
                    xx, y,
                    y < 15 ? kYellow : (DitherPicks(xx, y, (y - 15) / 12.0) ? kOrange : kYellow));
            }
        }
    }
    OutlineShape(letters, 0, 0, kWidth, letters.Height(), kTransparent, kBlack);
    for (int y = 0; y < letters.Height(); ++y) {
        for (int xx = 0; xx < kWidth; ++xx) {
            if (letters.At(xx, y) != kTransparent) {
                c.Set(xx + 2, y + 2, kPlum);
            }
        }
    }
    BlitTransparent(c, 0, 0, letters, 0, 0, kWidth, letters.Height());
}

}  // namespace

Canvas MakeSplashPicture(const Canvas& characterSheet) {
    Canvas c(kWidth, kHeight, kSky);
    DrawSky(c);
    DrawPetals(c);
    DrawTitle(c);
    constexpr int kScale = 2;
    const int anchorX = (kWidth - kFigureWidth * kScale) / 2 - kFigureLeft * kScale;
    DitherEllipse(c, anchorX + 8 * kScale, 38 + 42.5 * kScale, 28, 6, kBrown, 0.6);
    DrawFendor(c, characterSheet, anchorX, 38, 0, kScale);
    return c;
}

}  // namespace art
