#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "characters/Fendor.h"
#include "core/Services.h"
#include "platform/Boolean.h"
#include "platform/Surface.h"

namespace game {

inline constexpr int32_t kRosterSize = 6;
inline constexpr int32_t kPunishmentMs = 6000;
inline constexpr int32_t kStressMax = 200;

// The values of InputMode.
inline constexpr int32_t kMouseOnly = 0;
inline constexpr int32_t kMouseAndKeyboard = 1;
inline constexpr int32_t kKeyboardOnly = 2;

// The running game, shared by the core's modules. Flags are -1/0 integers.
struct GameState {
    std::array<std::optional<Fendor>, kRosterSize> Fendors;
    platform::Surface* PlayField = nullptr;
    platform::Surface* FendorSheet = nullptr;
    platform::Surface* PunchSheet = nullptr;
    platform::Surface* MirrorBuffer = nullptr;

    platform::Boolean AnimPhase = 0;
    int32_t HitCount = 0;
    int32_t MaxHits = 0;
    int32_t Stress = 0;
    int32_t StressAtStart = 0;
    platform::Boolean NoStressRelief = 0;
    int32_t SelectedSlot = 0;
    int32_t Points = 0;
    int32_t HiScore = 0;
    int32_t MaxKnockOutScore = 0;
    int32_t PointsAtStart = 0;
    platform::Boolean TargetGuilty = 0;
    int32_t InputMode = 0;
    platform::Boolean InPunishment = 0;
    int32_t LastHitInput = 0;
    int32_t PhaseStartMs = 0;
    int32_t FrameDelayMs = 500;
    int16_t PunishKeyL = 37;
    int16_t PunishKeyR = 39;
    platform::Boolean GameOver = 0;
};

GameState& Game();
Fendor& FendorAt(int32_t slot);

// Wires the outside world in; must come before the first InitGame.
void Bind(Services services);
Services& World();

}  // namespace game
