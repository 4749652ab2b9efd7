#pragma once

#include <array>
#include <cstdint>

#include "graphics/SheetSizes.h"

namespace game {

struct Point {
    int32_t x;
    int32_t y;
};

inline constexpr int32_t kRosterSize = 6;
inline constexpr int32_t kSlotsPerRow = 3;

// Where a Fendor's head goes. Slots 0-2 form the upper row, 3-5 the lower
// row, 40 pixels further right.
constexpr Point RosterAnchor(int32_t slot) {
    return slot < kSlotsPerRow ? Point{50 * slot + 216, 80} : Point{50 * slot + 216 - 110, 130};
}

struct BodyPart {
    int32_t dx;
    int32_t dy;
    bool frameFlag;  // the right arm and leg walk out of step with the rest
};

// Each part's place relative to the anchor, in the order of the character sheet's cells.
inline constexpr std::array<BodyPart, 6> kBodyParts = {{
    {0, 13, false},    // torso
    {0, 0, false},     // head
    {-13, 16, false},  // left arm
    {-10, 28, false},  // left leg
    {13, 16, true},    // right arm
    {10, 28, true},    // right leg
}};

// The left one of a part's two cells in the character sheet.
constexpr int32_t CellX(int32_t part) {
    return 2 * graphics::kCellSize * part;
}

}  // namespace game
