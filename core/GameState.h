#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "characters/Fendor.h"
#include "graphics/Surface.h"

namespace game {

inline constexpr int32_t kRosterSize = 6;
inline constexpr int32_t kPunishmentMs = 6000;
inline constexpr int32_t kStressMax = 200;

// The values of InputMode.
inline constexpr int32_t kMouseOnly = 0;
inline constexpr int32_t kMouseAndKeyboard = 1;
inline constexpr int32_t kKeyboardOnly = 2;

// The running game's record. The numbers are the ones the player sees or the
// settings file keeps, at the widths they are kept in.
struct GameState {
    std::array<std::optional<characters::Fendor>, kRosterSize> Fendors;
    graphics::Surface* PlayField = nullptr;
    graphics::Surface* FendorSheet = nullptr;
    graphics::Surface* PunchSheet = nullptr;
    graphics::Surface* MirrorBuffer = nullptr;

    bool AnimPhase = false;
    int32_t HitCount = 0;
    int32_t MaxHits = 0;
    int32_t Stress = 0;
    int32_t StressAtStart = 0;
    bool NoStressRelief = false;
    int32_t SelectedSlot = 0;
    int32_t Points = 0;
    int32_t HiScore = 0;
    int32_t MaxKnockOutScore = 0;
    int32_t PointsAtStart = 0;
    bool TargetGuilty = false;
    int32_t InputMode = 0;
    bool InPunishment = false;
    int32_t LastHitInput = 0;
    int32_t PhaseStartMs = 0;
    int32_t FrameDelayMs = 500;
    int16_t PunishKeyL = 37;
    int16_t PunishKeyR = 39;
    bool GameOver = false;
};

}  // namespace game
