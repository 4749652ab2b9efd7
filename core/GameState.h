#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "characters/Fendor.h"
#include "core/RosterLayout.h"
#include "graphics/Surface.h"
#include "platform/InputCodes.h"

namespace game {

inline constexpr int32_t kPunishmentMs = 6000;
inline constexpr int32_t kStressMax = 200;
// Each game's roster starts at this pace, however fast the last one ended.
inline constexpr int32_t kStartFrameDelayMs = 500;

// The values of InputMode, as the settings file stores them.
inline constexpr int32_t kMouseOnly = 0;
inline constexpr int32_t kMouseAndKeyboard = 1;
inline constexpr int32_t kKeyboardOnly = 2;
inline constexpr int32_t kInputModeCount = 3;

// The running game's record. The numbers are the ones the player sees or the
// settings file keeps, at the widths they are kept in; the initial values are
// the settings a missing file gives.
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
    int32_t InputMode = kMouseOnly;
    bool InPunishment = false;
    int32_t LastHitInput = 0;
    int32_t PhaseStartMs = 0;
    int32_t FrameDelayMs = kStartFrameDelayMs;
    int16_t PunishKeyL = platform::VirtualKey::Left;
    int16_t PunishKeyR = platform::VirtualKey::Right;
    bool GameOver = false;
};

}  // namespace game
