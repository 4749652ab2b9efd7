#include "graphics/MaskedBlit.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "SurfaceCheck.h"

namespace {

using graphics::BlitTransparent;
using graphics::Surface;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

// A sheet whose every third pixel is white, the rest all different.
Surface Sheet(int32_t width, int32_t height) {
    Surface sheet = fakes::Patterned(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if ((x + 2 * y) % 3 == 0) {
                sheet.SetPixel(x, y, kWhite);
            }
        }
    }
    return sheet;
}

// The rule, one pixel at a time.
Surface Expected(const Surface& dest, int32_t x, int32_t y, int32_t width, int32_t height,
                 const Surface& src, int32_t srcX, int32_t srcY, uint32_t transColor) {
    Surface out = dest;
    for (int32_t j = 0; j < height; ++j) {
        for (int32_t i = 0; i < width; ++i) {
            const int32_t sx = srcX + i, sy = srcY + j, dx = x + i, dy = y + j;
            const bool inside = sx >= 0 && sy >= 0 && sx < src.Width() && sy < src.Height() &&
                                dx >= 0 && dy >= 0 && dx < dest.Width() && dy < dest.Height();
            if (inside && src.Pixel(sx, sy) != transColor) {
                out.SetPixel(dx, dy, src.Pixel(sx, sy));
            }
        }
    }
    return out;
}

TEST(BlitTransparent, Blit_AllTransparentSourceLeavesTheTargetUnchanged) {
    Surface src(16, 16, kWhite);
    Surface dest = fakes::Patterned(20, 20);
    const std::vector<uint32_t> before = fakes::Snapshot(dest);
    BlitTransparent(dest, 2, 3, 16, 16, src, 0, 0, kWhite);
    EXPECT_EQ(fakes::Snapshot(dest), before);
}

TEST(BlitTransparent, Blit_SourceWithoutTransparentPixelsIsCopiedExactlyBlackIncluded) {
    Surface src = fakes::Patterned(19, 5);
    src.SetPixel(0, 0, kBlack);
    src.SetPixel(18, 4, kBlack);
    src.SetPixel(9, 2, 0xFEFEFE);
    Surface dest(19, 5, kWhite);
    BlitTransparent(dest, 0, 0, 19, 5, src, 0, 0, kWhite);
    EXPECT_EQ(fakes::Snapshot(dest), fakes::Snapshot(src));
}

TEST(BlitTransparent, Blit_ColoursOneStepFromTheTransparentOneAreOpaque) {
    const std::array<uint32_t, 4> nearWhite = {0xFEFEFE, 0xFFFFFE, 0xFFFEFF, 0xFEFFFF};
    Surface src(4, 1);
    for (int32_t x = 0; x < 4; ++x) {
        src.SetPixel(x, 0, nearWhite[static_cast<size_t>(x)]);
    }
    Surface dest(4, 1, kBlack);
    BlitTransparent(dest, 0, 0, 4, 1, src, 0, 0, kWhite);
    EXPECT_EQ(fakes::Snapshot(dest), fakes::Snapshot(src));
}

TEST(BlitTransparent, Blit_CopiesOpaquePixelsAndLeavesTransparentOnesUntouched) {
    // 19 wide: whole groups of pixels and a remainder, from inner offsets.
    Surface src = Sheet(30, 20);
    Surface dest = fakes::Patterned(40, 30);
    const Surface expected = Expected(dest, 7, 5, 19, 13, src, 3, 4, kWhite);
    BlitTransparent(dest, 7, 5, 19, 13, src, 3, 4, kWhite);
    EXPECT_EQ(fakes::Snapshot(dest), fakes::Snapshot(expected));
}

TEST(BlitTransparent, Blit_HonoursAnyTransparentColour) {
    Surface src(3, 1);
    src.SetPixel(0, 0, kBlack);
    src.SetPixel(1, 0, kWhite);
    src.SetPixel(2, 0, 0xFF00FF);
    Surface dest(3, 1, 0x123456);
    BlitTransparent(dest, 0, 0, 3, 1, src, 0, 0, kBlack);
    EXPECT_EQ(fakes::Snapshot(dest), (std::vector<uint32_t>{0x123456, kWhite, 0xFF00FF}));
}

TEST(BlitTransparent, Blit_DestinationColoursHaveNoInfluence) {
    Surface src = Sheet(9, 4);
    for (const uint32_t fill : {kWhite, kBlack, 0xFEFEFEu, 0x00FF00u}) {
        SCOPED_TRACE(fill);
        Surface dest(9, 4, fill);
        const Surface expected = Expected(dest, 0, 0, 9, 4, src, 0, 0, kWhite);
        BlitTransparent(dest, 0, 0, 9, 4, src, 0, 0, kWhite);
        EXPECT_EQ(fakes::Snapshot(dest), fakes::Snapshot(expected));
    }
}

TEST(BlitTransparent, Blit_EmptyOrNegativeSizeDrawsNothing) {
    Surface src(8, 8, kBlack);
    Surface dest = fakes::Patterned(8, 8);
    const std::vector<uint32_t> before = fakes::Snapshot(dest);
    BlitTransparent(dest, 0, 0, 0, 8, src, 0, 0, kWhite);
    BlitTransparent(dest, 0, 0, 8, 0, src, 0, 0, kWhite);
    BlitTransparent(dest, 0, 0, -4, 8, src, 0, 0, kWhite);
    BlitTransparent(dest, 0, 0, 8, -4, src, 0, 0, kWhite);
    BlitTransparent(dest, 0, 0, -4, -4, src, 0, 0, kWhite);
    EXPECT_EQ(fakes::Snapshot(dest), before);
}

TEST(BlitTransparent, Blit_ClipsBothRectanglesAtEveryEdge) {
    Surface src = Sheet(10, 8);
    for (const int32_t x : {-7, -3, 0, 4, 8, 11, 13}) {
        for (const int32_t y : {-6, -2, 0, 5, 8, 10}) {
            for (const int32_t srcX : {-7, -2, 0, 3, 6, 11}) {
                for (const int32_t srcY : {-6, -1, 0, 4, 8}) {
                    Surface dest = fakes::Patterned(12, 9);
                    const Surface expected = Expected(dest, x, y, 6, 5, src, srcX, srcY, kWhite);
                    BlitTransparent(dest, x, y, 6, 5, src, srcX, srcY, kWhite);
                    ASSERT_EQ(fakes::Snapshot(dest), fakes::Snapshot(expected))
                        << "X " << x << " Y " << y << " SrcX " << srcX << " SrcY " << srcY;
                }
            }
        }
    }
}

TEST(BlitTransparent, Blit_WithinOneSurfaceReadsTheSourceBeforeWriting) {
    for (const int32_t dx : {-9, -1, 0, 1, 9}) {
        for (const int32_t dy : {-2, -1, 0, 1, 2}) {
            Surface surface = Sheet(30, 12);
            const Surface copy = surface;
            Surface expected = Expected(surface, 10 + dx, 4 + dy, 12, 5, copy, 10, 4, kWhite);
            BlitTransparent(surface, 10 + dx, 4 + dy, 12, 5, surface, 10, 4, kWhite);
            ASSERT_EQ(fakes::Snapshot(surface), fakes::Snapshot(expected))
                << "dx " << dx << " dy " << dy;
        }
    }
}

TEST(BlitTransparentDeathTest, Blit_RectangleTooLargeToMeasureStopsTheProgram) {
    Surface src(1, 1);
    Surface dest(1, 1);
    EXPECT_DEATH(BlitTransparent(dest, 0, 0, 30000, 30000, src, 0, 0, kWhite), "overflow");
}

}  // namespace
