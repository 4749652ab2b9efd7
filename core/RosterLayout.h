#pragma once

#include <array>
#include <cstdint>

namespace game {

struct Point {
    int32_t x;
    int32_t y;
};

// Slots 0-2 form the upper row, 3-5 the lower row, 40 pixels further right.
constexpr Point RosterAnchor(int32_t slot) {
    return slot < 3 ? Point{50 * slot + 216, 80} : Point{50 * slot + 216 - 110, 130};
}

struct BodyPart {
    int32_t dx;
    int32_t dy;
    bool frameFlag;  // the right arm and leg walk out of step with the rest
};

inline constexpr std::array<BodyPart, 6> kBodyParts = {{
    {0, 13, false},    // torso
    {0, 0, false},     // head
    {-13, 16, false},  // left arm
    {-10, 28, false},  // left leg
    {13, 16, true},  // right arm
    {10, 28, true},  // right leg
}};

inline constexpr int32_t kPartSize = 16;

}  // namespace game
