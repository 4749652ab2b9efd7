#include "FendorFigure.h"

#include "Draw.h"

namespace art {

void DrawFendor(Canvas& dst, const Canvas& sheet, int anchorX, int anchorY, int frame, int scale) {
    for (int part = 0; part < kPartCount; ++part) {
        const game::BodyPart& place = kBodyParts[static_cast<std::size_t>(part)];
        const int shown = place.frameFlag ? 1 - frame : frame;
        BlitTransparent(dst, anchorX + place.dx * scale, anchorY + place.dy * scale, sheet,
                        game::CellX(part) + shown * kCellSize, 0, kCellSize, kCellSize, scale);
    }
}

}  // namespace art
