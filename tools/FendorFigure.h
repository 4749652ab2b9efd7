#pragma once

#include <array>

#include "Canvas.h"

namespace art {

inline constexpr int kPartCount = 6;
inline constexpr int kCellSize = 16;

struct PartPlacement {
    int dx;
    int dy;
    bool secondPhase;  // shows the other walking frame than the head and torso
};

// Where the game puts each part relative to a Fendor's anchor (its head's top-left corner).
inline constexpr std::array<PartPlacement, kPartCount> kPartPlacements{{
    {0, 13, false},
    {0, 0, false},
    {-13, 16, false},
    {-10, 28, false},
    {13, 16, true},
    {10, 28, true},
}};

// The assembled figure spans x -13..28 and y 0..43 around the anchor.
inline constexpr int kFigureLeft = -13;
inline constexpr int kFigureWidth = 42;
inline constexpr int kFigureHeight = 44;

// Assembles one Fendor from the character sheet the way the roster does, enlarged by scale.
void drawFendor(Canvas& dst, const Canvas& sheet, int anchorX, int anchorY, int frame,
                int scale = 1);

}  // namespace art
