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

void drawSky(Canvas& c) {
    ditherGradient(c, 0, 0, kWidth, 70, kCobalt, kSky);
    ditherGradient(c, 0, 70, kWidth, 40, kSky, kPeach);
    // The school on the horizon.
    c.fillRect(8, 92, 94, 22, kWhite);
    c.fillRect(8, 92, 94, 1, kSilver);
    for (int x = 12; x < 100; x += 8) {
        c.fillRect(x, 96, 5, 4, kSky);
        c.fillRect(x, 104, 5, 4, kSky);
    }
    framedRect(c, 48, 82, 14, 11, kWhite, kSilver);
    fillEllipse(c, 55, 87.5, 3.5, 3.5, kSilver);
    fillEllipse(c, 55, 87.5, 2.5, 2.5, kWhite);
    // Schoolyard.
    ditherGradient(c, 0, 112, kWidth, kHeight - 112, kOrange, kTangerine);
    c.fillRect(0, 112, kWidth, 1, kBrown);
}

void drawPetals(Canvas& c) {
    FixedNoise noise(39);
    for (int i = 0; i < 26; ++i) {
        const int x = noise.below(kWidth);
        const int y = 30 + noise.below(90);
        c.set(x, y, kPink);
        c.set(x + 1, y, kPink);
        c.set(x, y + 1, kWhite);
    }
}

void drawTitle(Canvas& c) {
    Canvas letters(kWidth, 32, kTransparent);
    const std::array<std::span<const std::string_view>, 4> glyphs{kFu, kSmallE, kN, kDo};
    int x = 6;
    for (const auto glyph : glyphs) {
        drawPixelMap(letters, x, 5, glyph, Flip::None, kGlyphScale);
        x += 10 * kGlyphScale + 5;
    }
    // Yellow letters fading to orange, then a dark rim.
    for (int y = 0; y < letters.height(); ++y) {
        for (int xx = 0; xx < kWidth; ++xx) {
            if (letters.at(xx, y) != kTransparent) {
                letters.set(
                    xx, y,
                    y < 15 ? kYellow : (ditherPicks(xx, y, (y - 15) / 12.0) ? kOrange : kYellow));
            }
        }
    }
    outlineShape(letters, 0, 0, kWidth, letters.height(), kTransparent, kBlack);
    for (int y = 0; y < letters.height(); ++y) {
        for (int xx = 0; xx < kWidth; ++xx) {
            if (letters.at(xx, y) != kTransparent) {
                c.set(xx + 2, y + 2, kPlum);
            }
        }
    }
    blitTransparent(c, 0, 0, letters, 0, 0, kWidth, letters.height());
}

}  // namespace

Canvas makeSplashPicture(const Canvas& characterSheet) {
    Canvas c(kWidth, kHeight, kSky);
    drawSky(c);
    drawPetals(c);
    drawTitle(c);
    constexpr int kScale = 2;
    const int anchorX = (kWidth - kFigureWidth * kScale) / 2 - kFigureLeft * kScale;
    ditherEllipse(c, anchorX + 8 * kScale, 38 + 42.5 * kScale, 28, 6, kBrown, 0.6);
    drawFendor(c, characterSheet, anchorX, 38, 0, kScale);
    return c;
}

}  // namespace art
