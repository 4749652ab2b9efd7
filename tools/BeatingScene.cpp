#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "Draw.h"
#include "FixedNoise.h"
#include "Pictures.h"

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCx = 200.0;
constexpr double kCy = 100.0;

struct FocusLine {
    double angle;
    double inner;      // radius where the line's point ends
    double halfWidth;  // angular half-width at the picture's edge, in pixels there
    Rgb colour;
};

// Manga focus lines rush in from the edges toward a dim red glow: the punches are the subject,
// so the middle, where they fly, stays dark and calm.
Rgb BaseColour(int x, int y) {
    const double dx = (x + 0.5 - kCx) / 1.6;
    const double dy = y + 0.5 - kCy;
    const double r = std::sqrt(dx * dx + dy * dy);
    constexpr std::array<Rgb, 4> kBands{kPlum, kMaroon, kMidnight, kBlack};
    constexpr std::array<double, 4> kEdges{40.0, 75.0, 110.0, 1e9};
    for (std::size_t i = 0; i + 1 < kBands.size(); ++i) {
        const double blend = 16.0;
        if (r < kEdges[i] - blend) {
            return kBands[i];
        }
        if (r < kEdges[i]) {
            return DitherPicks(x, y, (r - (kEdges[i] - blend)) / blend) ? kBands[i + 1] : kBands[i];
        }
    }
    return kBands.back();
}

}  // namespace

Canvas MakeBeatingScene() {
    Canvas c(kFieldWidth, kFieldHeight, kBlack);
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            c.Set(x, y, BaseColour(x, y));
        }
    }

    FixedNoise noise(2024);
    std::vector<FocusLine> lines;
    for (int i = 0; i < 150; ++i) {
        const double angle = (i + 0.5 * noise.Unit()) * 2.0 * kPi / 150.0;
        const int pick = noise.Below(10);
        const Rgb colour = pick < 5 ? kMauve : (pick < 8 ? kLavender : kSilver);
        lines.push_back({angle, 95.0 + 70.0 * noise.Unit(), 0.6 + 2.2 * noise.Unit(), colour});
    }
    constexpr double kEdgeRadius = 230.0;
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            const double dx = x + 0.5 - kCx;
            const double dy = y + 0.5 - kCy;
            const double r = std::hypot(dx, dy);
            double angle = std::atan2(dy, dx);
            if (angle < 0.0) {
                angle += 2.0 * kPi;
            }
            for (const FocusLine& line : lines) {
                if (r <= line.inner) {
                    continue;
                }
                double off = std::fabs(angle - line.angle);
                off = std::min(off, 2.0 * kPi - off);
                const double widthHere =
                    line.halfWidth * (r - line.inner) / (kEdgeRadius - line.inner);
                if (off * r <= widthHere) {
                    c.Set(x, y, line.colour);
                    break;
                }
            }
        }
    }
    return c;
}

}  // namespace art
