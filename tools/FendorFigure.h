#pragma once

#include "Canvas.h"
#include "core/RosterLayout.h"
#include "graphics/SheetSizes.h"

namespace art {

// The game's own layout of a Fendor: its parts around the anchor (the head's
// top-left corner) and their cells in the character sheet.
using game::kBodyParts;
using graphics::kCellSize;
inline constexpr int kPartCount = static_cast<int>(kBodyParts.size());

// The assembled figure spans x -13..28 and y 0..43 around the anchor.
inline constexpr int kFigureLeft = -13;
inline constexpr int kFigureWidth = 42;
inline constexpr int kFigureHeight = 44;

// Assembles one Fendor from the character sheet the way the roster does, enlarged by scale.
void DrawFendor(Canvas& dst, const Canvas& sheet, int anchorX, int anchorY, int frame,
                int scale = 1);

}  // namespace art
