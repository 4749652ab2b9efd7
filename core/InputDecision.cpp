#include "arithmetic/CheckedMath.h"
#include "core/Game.h"
#include "platform/InputCodes.h"

namespace game {

using arithmetic::CheckedAdd;
using arithmetic::CheckedDiv;
using arithmetic::CheckedSub;
using platform::MouseButton;
using platform::VirtualKey;

namespace {

// A Fendor of at most this many points' worth of levels no longer relieves stress.
constexpr int32_t kPointsPerReliefLevel = 500000;

bool IsMouseButton(int16_t code) {
    return code == MouseButton::Left || code == MouseButton::Right;
}

// A, S, D pick the upper row and Z, X, C the lower one, as they lie on the keyboard.
int32_t SlotForKey(int16_t code) {
    switch (code) {
        case VirtualKey::A:
            return 0;
        case VirtualKey::S:
            return 1;
        case VirtualKey::D:
            return 2;
        case VirtualKey::Z:
            return 3;
        case VirtualKey::X:
            return 4;
        case VirtualKey::C:
            return 5;
        default:
            return -1;
    }
}

}  // namespace

bool Game::StartPunishment(int16_t code) {
    GameState& g = state_;
    if (g.InputMode == kKeyboardOnly) {
        const int32_t slot = SlotForKey(code);
        if (slot < 0) {
            return false;
        }
        g.SelectedSlot = slot;
    } else if (!IsMouseButton(code)) {
        return false;
    }

    characters::Fendor& fendor = FendorAt(g.SelectedSlot);
    g.TargetGuilty = fendor.Attack();
    const std::string_view scene = g.TargetGuilty ? "b" : "f";
    if (g.TargetGuilty && fendor.Lv() <= CheckedDiv(g.Points, kPointsPerReliefLevel)) {
        g.NoStressRelief = true;
    }
    LoadSheet(g.PlayField, scene);
    LoadSheet(g.MirrorBuffer, scene);

    g.StressAtStart = g.Stress;
    g.InPunishment = true;
    g.PointsAtStart = g.Points;
    g.PlayField->Refresh();
    g.PhaseStartMs = world_.clock.NowMs();
    return g.TargetGuilty;
}

bool Game::IsAcceptedHit(int16_t code) const {
    const GameState& g = state_;
    if (IsMouseButton(code) && g.InputMode == kMouseOnly) {
        return true;
    }
    if (g.InputMode == kMouseOnly) {
        return false;
    }
    return code == g.PunishKeyL || code == g.PunishKeyR;
}

bool Game::CountHit(int16_t code) {
    GameState& g = state_;
    if (!g.TargetGuilty) {
        return false;
    }
    if (code == g.LastHitInput || !IsAcceptedHit(code)) {
        return false;
    }

    g.LastHitInput = code;
    g.HitCount = CheckedAdd(g.HitCount, 1);
    const characters::Fendor& fendor = FendorAt(g.SelectedSlot);
    // Recomputed from the start of the punishment, never accumulated.
    g.Points = CheckedAdd(g.PointsAtStart, fendor.PointsCalc(g.HitCount));
    if (!g.NoStressRelief) {
        g.Stress = CheckedSub(g.StressAtStart, CheckedAdd(CheckedDiv(g.HitCount, 3), fendor.Lv()));
    }
    return true;
}

bool Game::DecideInput(int16_t code) {
    const GameState& g = state_;
    if (g.SelectedSlot == -1) {
        return false;
    }
    if (!g.InPunishment) {
        return StartPunishment(code);
    }
    return CountHit(code);
}

}  // namespace game
