#include <array>
#include <cmath>
#include <string_view>

#include "Draw.h"
#include "Pictures.h"
#include "Shapes.h"

namespace art {
namespace {

// A stern old judge, drawn at triple size: this scene is a close-up of the one who punishes
// the player for picking an innocent pupil.
// clang-format off
constexpr std::string_view kJudge[] = {
    "...........KKKKKKKK...........",
    ".........KKSSSSSSSSKK.........",
    "........KSSSSSSSSSWWSK........",
    ".......KLSSSSSSSSSSSSLK.......",
    "......KLLLSSSSSSSSSSLLLK......",
    "......KLLKKKSSSSSSKKKLLK......",
    ".....KLLLSSSKKSSKKSSSLLLK.....",
    ".....KSLSSSSSSSSSSSSSSLSK.....",
    ".....KSLSSKKSSSSSSKKSSLSK.....",
    ".....KSSSSKWSSSSSSKWSSSsK.....",
    "......KSSSSSSSsSSSSSSSsK......",
    "......KSSSSSSsssSSSSSSsK......",
    "......KSSLLLLLLLLLLLLSsK......",
    ".......KLLLLLKKKKLLLLLK.......",
    ".......KSSSSSrrrrSSSSsK.......",
    "........KSSSSSSSSSSSsK........",
    ".........KKSSSSSSSSKK.........",
    "...........KKSSSSKK...........",
    ".....KKKKKKKKWWWWKKKKKKKK.....",
    "...KKddddddKWWWWWWKddddddKK...",
    "..KddddddddKWWWWWWKddddddddK..",
    ".KddkdddddddKWWWWKdddddddkddK.",
    ".KdddkddddddKWWWWKddddddkdddK.",
    "KddddkdddddddKWWKdddddddkddddK",
    "KddddkdddddddKrrKdddddddkddddK",
    "KddddkddddddddKKddddddddkddddK",
    "KddddkddddddddddddddddddkddddK",
    "KddddkddddddddddddddddddkddddK",
};
// clang-format on

// The gavel, raised in the judge's fist; the arm is hidden behind the bench.
// clang-format off
constexpr std::string_view kGavel[] = {
    "..KKKKKKKKKK..",
    ".KBBOBBBBBBhK.",
    ".KBBOBBBBBBhK.",
    ".KBBOBBBBBBhK.",
    "..KKKKKKKKKK..",
    "......KhK.....",
    "......KhK.....",
    "......KhK.....",
    ".....KSSSK....",
    "....KSSSSSK...",
    "....KSSSSsK...",
    "....KddddK....",
    "...KddddddK...",
    "...KddddddK...",
};
// clang-format on

void DrawPanelledWall(Canvas& c) {
    c.FillRect(0, 0, kFieldWidth, 130, kDarkBrown);
    for (int x = 6; x < kFieldWidth; x += 44) {
        FramedRect(c, x, 26, 38, 92, kBrown, kMaroon);
        c.FillRect(x + 1, 27, 36, 1, kTangerine);
        FramedRect(c, x + 5, 32, 28, 80, kBrown, kDarkBrown);
        c.FillRect(x + 6, 33, 1, 78, kTangerine);
    }
    // Cornice.
    c.FillRect(0, 0, kFieldWidth, 20, kMaroon);
    c.FillRect(0, 18, kFieldWidth, 2, kInk);
    c.FillRect(0, 20, kFieldWidth, 3, kBrown);
    c.FillRect(0, 23, kFieldWidth, 1, kInk);
}

void DrawEmblem(Canvas& c, int cx, int cy) {
    FillEllipse(c, cx + 0.5, cy + 0.5, 15, 15, kBlack);
    FillEllipse(c, cx + 0.5, cy + 0.5, 14, 14, kOrange);
    FillEllipse(c, cx + 0.5, cy + 0.5, 12, 12, kCrimson);
    // Scales of justice.
    c.FillRect(cx, cy - 8, 1, 16, kYellow);
    c.FillRect(cx - 4, cy + 7, 9, 2, kYellow);
    c.FillRect(cx - 8, cy - 6, 17, 1, kYellow);
    for (const int side : {-7, 7}) {
        DrawLine(c, cx + side, cy - 6, cx + side - 3, cy + 1, kYellow);
        DrawLine(c, cx + side, cy - 6, cx + side + 3, cy + 1, kYellow);
        c.FillRect(cx + side - 3, cy + 1, 7, 2, kYellow);
    }
    c.Set(cx, cy - 9, kWhite);
}

void DrawCurtain(Canvas& c, int x, int w) {
    for (int col = 0; col < w; ++col) {
        const bool fold = (col % 7) == 0;
        const bool shade = (col % 7) >= 4;
        c.FillRect(x + col, 0, 1, 178, fold ? kMaroon : (shade ? kCrimson : kRed));
    }
    c.FillRect(x, 0, w, 8, kOrange);
    c.FillRect(x, 7, w, 1, kDarkBrown);
}

void DrawBench(Canvas& c) {
    constexpr int kX = 190;
    constexpr int kY = 118;
    c.FillRect(kX, kY, kFieldWidth - kX, kFieldHeight - kY, kDarkBrown);
    FramedRect(c, kX - 6, kY - 6, kFieldWidth - kX + 12, 9, kBrown, kInk);
    c.FillRect(kX - 5, kY - 5, kFieldWidth - kX + 10, 1, kTangerine);
    for (int x = kX + 8; x < kFieldWidth; x += 52) {
        FramedRect(c, x, kY + 12, 44, 62, kBrown, kInk);
        c.FillRect(x + 1, kY + 13, 42, 1, kTangerine);
    }
    // Brass name plate and the sounding block.
    FramedRect(c, 270, kY + 24, 60, 14, kOrange, kBlack);
    c.FillRect(271, kY + 25, 58, 1, kYellow);
    for (int x = 276; x < 324; x += 7) {
        c.FillRect(x, kY + 29, 5, 5, kDarkBrown);
    }
    FramedRect(c, 340, kY - 11, 22, 6, kDarkBrown, kBlack);
}

void DrawFloorAndRail(Canvas& c) {
    DitherGradient(c, 0, 130, 190, 70, kPlum, kMaroon);
    // The dock rail the player stands behind.
    c.FillRect(0, 150, 190, 5, kBrown);
    c.FillRect(0, 150, 190, 1, kTangerine);
    c.FillRect(0, 155, 190, 1, kInk);
    for (int x = 8; x < 190; x += 16) {
        FramedRect(c, x, 156, 6, 44, kBrown, kInk);
    }
    c.FillRect(0, 196, 190, 4, kInk);
}

}  // namespace

Canvas MakeJudgeScene() {
    Canvas c(kFieldWidth, kFieldHeight, kDarkBrown);
    DrawPanelledWall(c);
    DrawCurtain(c, 0, 36);
    DrawEmblem(c, 300, 13);
    DrawFloorAndRail(c);
    DrawPixelMap(c, 255, 30, kJudge, Flip::None, 3);
    DrawPixelMap(c, 215, 72, kGavel, Flip::None, 3);
    DrawBench(c);
    return c;
}

}  // namespace art
