#include <array>
#include <cmath>

#include "Draw.h"
#include "Pictures.h"
#include "Shapes.h"

namespace art {
namespace {

// The fist's cell and the trail's, side by side.
constexpr int kCellW = graphics::kPunchSheetSize.width / 2;
constexpr int kCellH = graphics::kPunchSheetSize.height;
constexpr double kPi = 3.14159265358979323846;

// Cell 0: a red boxing glove driving left, its white cuff just showing. Behind the glove
// there are only thin streaks: each new fist lands 40 pixels left of the impact star it leaves,
// and the row of stars has to stay readable after a burst.
Canvas MakeFist() {
    Canvas cell(kCellW, kCellH, kTransparent);
    constexpr std::array<std::array<int, 3>, 4> kStreaks{
        {{50, 6, 76}, {56, 11, 50}, {52, 47, 70}, {60, 52, 44}}};
    for (const auto& s : kStreaks) {
        cell.FillRect(s[0], s[1], s[2] - 10, 1, kWhite);
        cell.FillRect(s[0] + s[2] - 10, s[1], 10, 1, kSilver);
    }
    // Cuff of the glove, laced, with a glimpse of the teacher's blue track-jacket sleeve.
    FramedRect(cell, 44, 16, 6, 26, kCobalt, kNavy);
    cell.FillRect(45, 35, 4, 1, kWhite);
    cell.FillRect(45, 37, 4, 1, kWhite);
    FramedRect(cell, 36, 12, 10, 34, kWhite, kSilver);
    for (int y = 16; y < 44; y += 5) {
        cell.FillRect(38, y, 6, 1, kSilver);
    }
    // Mitt and thumb, shaded from the top left.
    FillEllipse(cell, 22, 28, 21, 22, kCrimson);
    FillEllipse(cell, 20, 26, 19, 19, kRed);
    FillEllipse(cell, 15, 16, 9, 7, kPink);
    FillEllipse(cell, 12, 13, 4, 3, kWhite);
    FillEllipse(cell, 27, 44, 11, 8, kCrimson);
    FillEllipse(cell, 26, 43, 9, 6, kRed);
    // Crease between fist and thumb.
    for (int x = 12; x < 37; ++x) {
        const int y = 37 + static_cast<int>(std::lround(3.0 * std::sin((x - 12) * kPi / 25.0)));
        cell.Set(x, y, kCrimson);
        cell.Set(x, y + 1, kMaroon);
    }
    OutlineShape(cell, 0, 0, kCellW, kCellH, kTransparent, kBlack);
    return cell;
}

double StarRadius(double angle, const std::array<double, 16>& radii) {
    const double turn = angle / (2.0 * kPi) * static_cast<double>(radii.size());
    const double base = std::floor(turn);
    const double t = turn - base;
    const auto i =
        static_cast<std::size_t>(static_cast<int>(base) % static_cast<int>(radii.size()));
    const std::size_t j = (i + 1) % radii.size();
    return radii[i] * (1.0 - t) + radii[j] * t;
}

// Cell 1: the impact star the fist leaves behind, with its streaks.
Canvas MakeImpact() {
    Canvas cell(kCellW, kCellH, kTransparent);
    constexpr std::array<std::array<int, 3>, 4> kStreaks{
        {{50, 4, 40}, {58, 9, 26}, {58, 49, 30}, {48, 54, 44}}};
    for (const auto& s : kStreaks) {
        cell.FillRect(s[0], s[1], s[2] - 10, 1, kWhite);
        cell.FillRect(s[0] + s[2] - 10, s[1], 10, 1, kSilver);
    }
    // Alternating long and short spikes, a little irregular like a hand-drawn burst.
    constexpr std::array<double, 16> kRadii{27, 12, 23, 13, 27, 11, 21, 13,
                                            26, 12, 24, 11, 27, 13, 20, 12};
    constexpr double kCx = 31.0;
    constexpr double kCy = 29.0;
    const std::array<std::pair<double, Rgb>, 3> layers{
        {{1.0, kOrange}, {0.7, kYellow}, {0.38, kWhite}}};
    for (const auto& [scale, colour] : layers) {
        for (int y = 0; y < kCellH; ++y) {
            for (int x = 0; x < 64; ++x) {
                const double dx = x + 0.5 - kCx;
                const double dy = y + 0.5 - kCy;
                double angle = std::atan2(dy, dx) + 0.2;
                if (angle < 0.0) {
                    angle += 2.0 * kPi;
                }
                if (std::hypot(dx, dy) <= StarRadius(angle, kRadii) * scale) {
                    cell.Set(x, y, colour);
                }
            }
        }
    }
    OutlineShape(cell, 0, 0, kCellW, kCellH, kTransparent, kBlack);
    return cell;
}

}  // namespace

Canvas MakePunchSheet() {
    Canvas sheet(2 * kCellW, kCellH, kTransparent);
    BlitTransparent(sheet, 0, 0, MakeFist(), 0, 0, kCellW, kCellH);
    BlitTransparent(sheet, kCellW, 0, MakeImpact(), 0, 0, kCellW, kCellH);
    return sheet;
}

}  // namespace art
