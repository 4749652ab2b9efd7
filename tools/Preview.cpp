#include "Preview.h"

#include "BmpWriter.h"
#include "Draw.h"
#include "FendorFigure.h"

namespace art {
namespace {

Canvas Roster(const PictureSet& pictures, int frame, bool agitated) {
    Canvas field = pictures.school;
    for (int slot = 0; slot < game::kRosterSize; ++slot) {
        const int ax = game::RosterAnchor(slot).x;
        const int ay = game::RosterAnchor(slot).y;
        if (!agitated || slot % 2 == 1) {
            DrawFendor(field, pictures.characters, ax, ay, frame);
            continue;
        }
        // A misbehaving pupil: one part jerked by a few pixels, or all frames swapped.
        const int jerkPart = slot % kPartCount;
        for (int part = 0; part < kPartCount; ++part) {
            const game::BodyPart& place = kBodyParts[static_cast<std::size_t>(part)];
            const int shown = slot == 4 ? 1 - frame : (place.frameFlag ? 1 - frame : frame);
            const int jerk = part == jerkPart ? 4 : 0;
            BlitTransparent(field, ax + place.dx + jerk, ay + place.dy - jerk, pictures.characters,
                            game::CellX(part) + shown * kCellSize, 0, kCellSize, kCellSize);
        }
    }
    return field;
}

// One burst of punches laid down the way the punishment scene does it.
void PunchBurst(Canvas& field, const Canvas& punches, int r100, int r70) {
    const int cellW = punches.Width() / 2;
    const int cellH = punches.Height();
    for (int k = 1; k <= 4; ++k) {
        BlitTransparent(field, 180 - 40 * (k - 1) - r100 / 2 + r70, 30 + r100, punches, cellW, 0,
                        cellW, cellH);
        if (k <= 3) {
            BlitTransparent(field, 180 - 40 * k - r100 / 2 + r70, 30 + r100, punches, 0, 0, cellW,
                            cellH);
        }
    }
}

// The moment mid-burst: the fist in front of the trail it has left.
void PunchInFlight(Canvas& field, const Canvas& punches, int r100, int r70) {
    const int cellW = punches.Width() / 2;
    const int cellH = punches.Height();
    for (int k = 1; k <= 2; ++k) {
        BlitTransparent(field, 180 - 40 * (k - 1) - r100 / 2 + r70, 30 + r100, punches, cellW, 0,
                        cellW, cellH);
        BlitTransparent(field, 180 - 40 * k - r100 / 2 + r70, 30 + r100, punches, 0, 0, cellW,
                        cellH);
    }
}

}  // namespace

void WritePreviews(const std::filesystem::path& folder, const PictureSet& pictures) {
    std::filesystem::create_directories(folder);
    WriteBmp(folder / "roster0.bmp", Roster(pictures, 0, false));
    WriteBmp(folder / "roster1.bmp", Roster(pictures, 1, false));
    WriteBmp(folder / "agitated.bmp", Roster(pictures, 0, true));

    Canvas beating = pictures.beating;
    PunchBurst(beating, pictures.punches, 0, 0);
    PunchInFlight(beating, pictures.punches, 100, 70);
    WriteBmp(folder / "beating.bmp", beating);

    Canvas judge = pictures.judge;
    PunchBurst(judge, pictures.punches, 60, 35);
    WriteBmp(folder / "judge.bmp", judge);

    Canvas figures(2 * (kFigureWidth + 4) * 3, (kFigureHeight + 4) * 3, kSilver);
    for (int frame = 0; frame < 2; ++frame) {
        DrawFendor(figures, pictures.characters,
                   (-kFigureLeft + 2 + frame * (kFigureWidth + 4)) * 3, 6, frame, 3);
    }
    WriteBmp(folder / "figure.bmp", figures);
}

}  // namespace art
