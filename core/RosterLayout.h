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
    int16_t frameFlag;  // parts 4 and 5 walk out of step with the rest
};

inline constexpr std::array<BodyPart, 6> kBodyParts = {{
    {0, 13, 0},    // torso
    {0, 0, 0},     // head
    {-13, 16, 0},  // left arm
    {-10, 28, 0},  // left leg
    {13, 16, -1},  // right arm
    {10, 28, -1},  // right leg
}};

inline constexpr int32_t kPartSize = 16;

}  // namespace game
