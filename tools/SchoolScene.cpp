#include <array>
#include <cmath>

#include "Draw.h"
#include "FixedNoise.h"
#include "Pictures.h"
#include "PixelFont.h"
#include "Shapes.h"
#include "core/RosterLayout.h"

namespace art {
namespace {

// The front of a classroom: blackboard and clock on the left, windows behind the roster,
// a wooden floor the pupils stand on. The wall meets the floor above the upper row's heads.
constexpr int kFloorTop = 72;

void DrawWall(Canvas& c) {
    DitherGradient(c, 0, 0, kFieldWidth, 48, kWhite, kPeach);
    c.FillRect(0, 48, kFieldWidth, 10, kPeach);
    // Wainscot panels along the bottom of the wall, darker than the floor so the two part.
    c.FillRect(0, 58, kFieldWidth, kFloorTop - 58, kDarkBrown);
    c.FillRect(0, 58, kFieldWidth, 1, kInk);
    c.FillRect(0, 59, kFieldWidth, 1, kBrown);
    for (int x = 4; x < kFieldWidth; x += 28) {
        FramedRect(c, x, 61, 24, 8, kDarkBrown, kMaroon);
        c.FillRect(x + 1, 68, 23, 1, kBrown);
    }
    c.FillRect(0, kFloorTop - 1, kFieldWidth, 1, kInk);
}

void DrawBlackboard(Canvas& c) {
    constexpr int kX = 14;
    constexpr int kY = 9;
    constexpr int kW = 164;
    constexpr int kH = 45;
    FramedRect(c, kX - 3, kY - 3, kW + 6, kH + 6, kBrown, kDarkBrown);
    c.FillRect(kX - 2, kY - 2, kW + 4, 1, kSalmon);
    FramedRect(c, kX, kY, kW, kH, kForest, kTeal);
    // A faint haze of half-wiped chalk.
    FixedNoise noise(7);
    for (int i = 0; i < 140; ++i) {
        const int x = kX + 2 + noise.Below(kW - 4);
        const int y = kY + 2 + noise.Below(kH - 4);
        c.Set(x, y, kGrass);
        c.Set(x + 1, y, kGrass);
    }
    DrawTinyText(c, kX + 8, kY + 6, "1+1=2", kWhite);
    DrawTinyText(c, kX + 8, kY + 14, "3x4=12", kWhite);
    DrawTinyText(c, kX + 8, kY + 22, "9-5=4", kWhite);
    DrawTinyText(c, kX + 8, kY + 32, "12:30", kCream, 1);
    // Handwriting squiggles for the lesson's notes.
    for (int line = 0; line < 4; ++line) {
        const int y = kY + 7 + line * 8;
        int x = kX + 44;
        const int end = kX + 100 - (line % 2) * 18;
        while (x < end) {
            const int len = 3 + noise.Below(6);
            for (int i = 0; i < len; ++i) {
                c.Set(x + i, y + ((i + line) % 3 == 0 ? 1 : 0), kWhite);
            }
            x += len + 2;
        }
    }
    // A chalk doodle of a pupil's face, the class's running joke.
    constexpr int kFaceX = kX + 122;
    constexpr int kFaceY = kY + 20;
    for (int a = 0; a < 64; ++a) {
        const double t = a * 6.283185307179586 / 64.0;
        c.Set(kFaceX + static_cast<int>(13.0 * std::cos(t)),
              kFaceY + static_cast<int>(12.0 * std::sin(t)), kWhite);
    }
    c.FillRect(kFaceX - 5, kFaceY - 3, 2, 3, kWhite);
    c.FillRect(kFaceX + 4, kFaceY - 3, 2, 3, kWhite);
    DrawLine(c, kFaceX - 5, kFaceY + 5, kFaceX - 2, kFaceY + 7, kWhite);
    DrawLine(c, kFaceX - 2, kFaceY + 7, kFaceX + 3, kFaceY + 7, kWhite);
    DrawLine(c, kFaceX + 3, kFaceY + 7, kFaceX + 6, kFaceY + 5, kWhite);
    DrawTinyText(c, kFaceX + 14, kFaceY - 14, "!?", kPink);
    // Chalk tray with a few sticks.
    c.FillRect(kX - 4, kY + kH + 3, kW + 8, 3, kDarkBrown);
    c.FillRect(kX - 4, kY + kH + 3, kW + 8, 1, kTaupe);
    c.FillRect(kX + 20, kY + kH + 2, 5, 1, kWhite);
    c.FillRect(kX + 28, kY + kH + 2, 4, 1, kYellow);
    c.FillRect(kX + 35, kY + kH + 2, 4, 1, kPink);
    FramedRect(c, kX + 120, kY + kH + 1, 10, 3, kCream, kDarkBrown);
}

void DrawClock(Canvas& c) {
    constexpr int kCx = 195;
    constexpr int kCy = 18;
    FillEllipse(c, kCx + 0.5, kCy + 0.5, 11, 11, kBlack);
    FillEllipse(c, kCx + 0.5, kCy + 0.5, 10, 10, kSilver);
    FillEllipse(c, kCx + 0.5, kCy + 0.5, 8.5, 8.5, kWhite);
    for (const auto& tick : std::array<std::array<int, 2>, 4>{{{0, -7}, {7, 0}, {0, 7}, {-7, 0}}}) {
        c.Set(kCx + tick[0], kCy + tick[1], kSlate);
    }
    DrawLine(c, kCx, kCy, kCx, kCy - 6, kBlack);
    DrawLine(c, kCx, kCy, kCx + 4, kCy + 2, kBlack);
    c.Set(kCx, kCy, kRed);
}

void DrawWindowPane(Canvas& c, int x, int y, int w, int h, FixedNoise& noise) {
    DitherGradient(c, x, y, w, h, kSky, kSky);
    DitherGradient(c, x, y, w, h / 2, kCobalt, kSky);
    // Clouds drifting across.
    for (int i = 0; i < 2; ++i) {
        const double cx = x + 8 + noise.Below(w - 16);
        const double cy = y + 8 + noise.Below(h / 2);
        FillEllipse(c, cx, cy, 7, 3, kWhite);
        FillEllipse(c, cx + 5, cy - 2, 5, 3, kWhite);
        FillEllipse(c, cx - 1, cy + 1, 6, 2, kSilver);
        FillEllipse(c, cx - 1, cy, 6, 2, kWhite);
    }
    // Treetops of the schoolyard along the sill.
    for (int tx = x - 6; tx < x + w + 6; tx += 9) {
        const double r = 6 + noise.Below(4);
        FillEllipse(c, tx, y + h - 2, r + 1, r, kGrass);
        FillEllipse(c, tx - 1, y + h - 3, r - 2, r - 2, kGreen);
    }
    // Glass glint.
    DrawLine(c, x + 3, y + 12, x + 12, y + 3, kWhite);
    DrawLine(c, x + 3, y + 16, x + 16, y + 3, kWhite);
}

void DrawWindows(Canvas& c) {
    constexpr int kX = 216;
    constexpr int kY = 6;
    constexpr int kPaneW = 54;
    constexpr int kPaneH = 40;
    FixedNoise noise(31);
    c.FillRect(kX - 4, kY - 4, 3 * (kPaneW + 4) + 4, kPaneH + 8, kSilver);
    c.FillRect(kX - 4, kY + kPaneH + 4, 3 * (kPaneW + 4) + 4, 1, kSlate);
    c.FillRect(kX - 5, kY - 5, 1, kPaneH + 10, kSlate);
    for (int i = 0; i < 3; ++i) {
        const int px = kX + i * (kPaneW + 4);
        Canvas pane(kPaneW, kPaneH, kSky);
        DrawWindowPane(pane, 0, 0, kPaneW, kPaneH, noise);
        for (int yy = 0; yy < kPaneH; ++yy) {
            for (int xx = 0; xx < kPaneW; ++xx) {
                c.Set(px + xx, kY + yy, pane.At(xx, yy));
            }
        }
        c.FillRect(px, kY + kPaneH / 2, kPaneW, 1, kSilver);
        c.FillRect(px - 1, kY - 1, kPaneW + 2, 1, kSlate);
    }
    // Curtains gathered at both ends.
    for (const int x : {kX - 10, kX + 3 * (kPaneW + 4) - 2}) {
        c.FillRect(x, kY - 6, 10, kPaneH + 14, kCream);
        for (int fold = 2; fold < 10; fold += 3) {
            c.FillRect(x + fold, kY - 6, 1, kPaneH + 14, kOrange);
        }
        c.FillRect(x, kY + kPaneH + 8, 10, 1, kOrange);
    }
    c.FillRect(kX - 12, kY - 8, 3 * (kPaneW + 4) + 22, 2, kSlate);
}

void DrawFloor(Canvas& c) {
    // Plank rows widen toward the viewer; quiet seams keep the pupils the loudest thing.
    constexpr std::array<int, 13> kRows{72, 76, 81, 87, 94, 102, 111, 121, 132, 144, 157, 171, 186};
    FixedNoise noise(5);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int top = kRows[i];
        const int bottom = i + 1 < kRows.size() ? kRows[i + 1] : kFieldHeight;
        const int height = bottom - top;
        c.FillRect(0, top, kFieldWidth, height, kBrown);
        // The floor darkens toward the wall.
        const double shade = 0.4 - 0.1 * static_cast<double>(i);
        for (int y = top + 1; y < bottom && shade > 0.0; ++y) {
            for (int x = 0; x < kFieldWidth; ++x) {
                if (DitherPicks(x, y, shade)) {
                    c.Set(x, y, kDarkBrown);
                }
            }
        }
        if (height >= 10) {
            c.FillRect(0, top + 2, kFieldWidth, 1, kTangerine);
            for (int x = 0; x < kFieldWidth; x += 2) {
                c.Set(x + (static_cast<int>(i) & 1), top + 2, kBrown);
            }
        }
        c.FillRect(0, top, kFieldWidth, 1, kDarkBrown);
        const int step = 40 + static_cast<int>(i) * 10;
        for (int x = noise.Below(step); x < kFieldWidth; x += step + noise.Below(step / 2)) {
            c.FillRect(x, top + 1, 1, height - 1, kDarkBrown);
        }
    }
}

void DrawStandingSpots(Canvas& c) {
    // Soft shadows where the six pupils always stand.
    for (int slot = 0; slot < game::kRosterSize; ++slot) {
        const game::Point a = game::RosterAnchor(slot);
        DitherEllipse(c, a.x + 8, a.y + 42.5, 14, 3.5, kDarkBrown, 0.55);
    }
}

void DrawTeacherDesk(Canvas& c) {
    constexpr int kX = 48;
    constexpr int kY = 92;
    constexpr int kW = 100;
    DitherEllipse(c, kX + kW / 2.0, kY + 58, kW / 2.0 + 8, 6, kDarkBrown, 0.6);
    // Wooden top on a grey steel body, as school desks are.
    FramedRect(c, kX - 4, kY, kW + 8, 8, kTaupe, kInk);
    c.FillRect(kX - 3, kY + 1, kW + 6, 1, kPeach);
    c.FillRect(kX - 3, kY + 6, kW + 6, 1, kDarkBrown);
    FramedRect(c, kX, kY + 7, kW, 48, kSilver, kBlack);
    FramedRect(c, kX + 8, kY + 13, kW - 16, 32, kSilver, kSlate);
    c.FillRect(kX + 9, kY + 14, kW - 18, 1, kWhite);
    c.FillRect(kX + 1, kY + 8, kW - 2, 1, kSlate);
    c.FillRect(kX + kW - 3, kY + 8, 2, 46, kLavender);
    c.FillRect(kX, kY + 54, kW, 3, kSlate);
    c.FillRect(kX, kY + 56, kW, 1, kBlack);
    // On top: a register, a book stack and a vase of flowers.
    FramedRect(c, kX + 8, kY - 3, 22, 4, kSky, kBlack);
    FramedRect(c, kX + 10, kY - 7, 18, 5, kRed, kBlack);
    FramedRect(c, kX + 7, kY - 10, 20, 4, kYellow, kBlack);
    FramedRect(c, kX + 74, kY - 10, 9, 11, kSky, kBlack);
    c.FillRect(kX + 75, kY - 9, 2, 8, kWhite);
    DrawLine(c, kX + 78, kY - 10, kX + 76, kY - 18, kGrass);
    DrawLine(c, kX + 79, kY - 10, kX + 82, kY - 19, kGrass);
    FillEllipse(c, kX + 76.5, kY - 19.5, 2.5, 2.5, kPink);
    FillEllipse(c, kX + 83.5, kY - 20.5, 2.5, 2.5, kYellow);
    FillEllipse(c, kX + 80, kY - 23, 2.5, 2.5, kPink);
    c.Set(kX + 76, kY - 20, kWhite);
    c.Set(kX + 80, kY - 23, kWhite);
}

}  // namespace

Canvas MakeSchoolScene() {
    Canvas c(kFieldWidth, kFieldHeight, kPeach);
    DrawWall(c);
    DrawBlackboard(c);
    DrawClock(c);
    DrawWindows(c);
    DrawFloor(c);
    DrawStandingSpots(c);
    DrawTeacherDesk(c);
    return c;
}

}  // namespace art
