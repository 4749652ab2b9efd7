#include "core/GameState.h"
#include "core/Game.h"
#include "platform/CheckedMath.h"

using platform::CheckedAdd;
using platform::CheckedDiv;
using platform::CheckedSub;
using platform::kFalse;
using platform::kTrue;

namespace game {
namespace {

constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
// A Fendor of at most this many points' worth of levels no longer relieves stress.
constexpr int32_t kPointsPerReliefLevel = 500000;

bool IsMouseButton(int16_t code) {
    return code == kLeftButton || code == kRightButton;
}

// A, S, D pick the upper row and Z, X, C the lower one, as they lie on the keyboard.
int32_t SlotForKey(int16_t code) {
    switch (code) {
        case 65:
            return 0;
        case 83:
            return 1;
        case 68:
            return 2;
        case 90:
            return 3;
        case 88:
            return 4;
        case 67:
            return 5;
        default:
            return -1;
    }
}

platform::Boolean StartPunishment(int16_t Code) {
    GameState& g = Game();
    if (g.InputMode == kKeyboardOnly) {
        const int32_t slot = SlotForKey(Code);
        if (slot < 0) {
            return kFalse;
        }
        g.SelectedSlot = slot;
    } else if (!IsMouseButton(Code)) {
        return kFalse;
    }

    Fendor& fendor = FendorAt(g.SelectedSlot);
    g.TargetGuilty = fendor.Attack();
    const std::string_view scene = g.TargetGuilty != 0 ? "b" : "f";
    if (g.TargetGuilty != 0 && fendor.Lv() <= CheckedDiv(g.Points, kPointsPerReliefLevel)) {
        g.NoStressRelief = kTrue;
    }
    LoadSheet(g.PlayField, scene);
    LoadSheet(g.MirrorBuffer, scene);

    g.StressAtStart = g.Stress;
    g.InPunishment = kTrue;
    g.PointsAtStart = g.Points;
    g.PlayField->Refresh();
    g.PhaseStartMs = World().clock.timeGetTime();
    return g.TargetGuilty;
}

bool IsAcceptedHit(int16_t Code) {
    const GameState& g = Game();
    if (IsMouseButton(Code) && g.InputMode == kMouseOnly) {
        return true;
    }
    if (g.InputMode == kMouseOnly) {
        return false;
    }
    return Code == g.PunishKeyL || Code == g.PunishKeyR;
}

platform::Boolean CountHit(int16_t Code) {
    GameState& g = Game();
    if (g.TargetGuilty == 0) {
        return kFalse;
    }
    if (Code == g.LastHitInput || !IsAcceptedHit(Code)) {
        return kFalse;
    }

    g.LastHitInput = Code;
    g.HitCount = CheckedAdd(g.HitCount, 1);
    const Fendor& fendor = FendorAt(g.SelectedSlot);
    // Recomputed from the start of the punishment, never accumulated.
    g.Points = CheckedAdd(g.PointsAtStart, fendor.PointsCalc(g.HitCount));
    if (g.NoStressRelief == 0) {
        g.Stress = CheckedSub(g.StressAtStart, CheckedAdd(CheckedDiv(g.HitCount, 3), fendor.Lv()));
    }
    return kTrue;
}

}  // namespace

platform::Boolean DecideInput(int16_t Code) {
    const GameState& g = Game();
    if (g.SelectedSlot == -1) {
        return kFalse;
    }
    if (g.InPunishment == 0) {
        return StartPunishment(Code);
    }
    return CountHit(Code);
}

}  // namespace game
