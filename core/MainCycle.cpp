#include <string>

#include "core/GameState.h"
#include "core/Texts.h"
#include "core/Game.h"
#include "platform/CheckedMath.h"

using platform::CheckedAdd;
using platform::CheckedDiv;
using platform::CheckedMul;
using platform::ElapsedMs;

namespace game {
namespace {

constexpr int32_t kStartFrameDelayMs = 500;
constexpr int32_t kMinFrameDelayMs = 20;
// Falling below the minimum throws the pace back rather than pinning it.
constexpr int32_t kFrameDelayAfterUnderflow = 280;

int32_t Now() {
    return World().clock.timeGetTime();
}

int32_t MsSincePhaseStart() {
    return ElapsedMs(Now(), Game().PhaseStartMs);
}

// A counter reading `ms` after `start`, wrapping like the counter does.
int32_t DeadlineAfter(int32_t start, int32_t ms) {
    return static_cast<int32_t>(static_cast<uint32_t>(start) + static_cast<uint32_t>(ms));
}

// The roster frame lasts until more than FrameDelayMs have passed, unless a
// pick starts a punishment or the game ends first. Sleeping in the pump
// instead of spinning keeps the wait free while input is handled at once.
void WaitOutRosterFrame() {
    GameState& g = Game();
    while (MsSincePhaseStart() <= g.FrameDelayMs && g.InPunishment == 0 && g.GameOver == 0) {
        World().pump.WaitForEventsUntil(
            DeadlineAfter(g.PhaseStartMs, CheckedAdd(g.FrameDelayMs, 1)));
    }
}

void RaiseStressUnderJudge() {
    GameState& g = Game();
    const int32_t elapsed = MsSincePhaseStart();
    const int32_t rise = CheckedAdd(CheckedDiv(g.StressAtStart, 4), 15);
    g.Stress = CheckedAdd(g.StressAtStart, CheckedDiv(CheckedMul(elapsed, rise), kPunishmentMs));
}

}  // namespace

void InitGame(platform::Surface& picMain, platform::Surface& picFendor, platform::Surface& picPunch,
              platform::Surface& picMirror) {
    GameState& g = Game();
    World().random.Randomize();

    g.PlayField = &picMain;
    g.FendorSheet = &picFendor;
    g.PunchSheet = &picPunch;
    g.MirrorBuffer = &picMirror;

    LoadSheet(g.PlayField, "m");
    LoadSheet(g.FendorSheet, "c");
    LoadSheet(g.PunchSheet, "p");

    g.GameOver = 0;
    g.FrameDelayMs = kStartFrameDelayMs;
    g.AnimPhase = 0;
    g.HitCount = 0;
    g.Points = 0;
    g.PointsAtStart = 0;
    g.Stress = 0;
    g.StressAtStart = 0;
    g.NoStressRelief = 0;
    g.InPunishment = 0;
    g.TargetGuilty = 0;
    g.LastHitInput = 0;
    g.PhaseStartMs = 0;
    g.SelectedSlot = 0;

    for (auto& fendor : g.Fendors) {
        if (!fendor.has_value()) {
            fendor.emplace(World().random, World().messages);
        }
        fendor->Create();
    }

    DrawRoster();
}

void GameTick() {
    GameState& g = Game();
    if (g.GameOver != 0) {
        return;
    }

    if (g.InPunishment == 0) {
        DrawRoster();
        g.PhaseStartMs = Now();
        WaitOutRosterFrame();
        return;
    }

    if (g.TargetGuilty == 0) {
        RaiseStressUnderJudge();
        PlayPunch("f", kPunishmentMs);
        // The burst pumps events: the window may have closed meanwhile, and
        // a game that is over must not go on to settle the punishment.
        if (g.GameOver != 0 || g.InPunishment == 0) {
            return;
        }
    }

    if (MsSincePhaseStart() > kPunishmentMs) {
        EndPunishment();
    }
}

void IdleDuringBeating() {
    const GameState& g = Game();
    if (g.GameOver != 0 || g.InPunishment == 0 || g.TargetGuilty == 0) {
        return;
    }
    if (MsSincePhaseStart() > kPunishmentMs) {
        return;
    }
    World().pump.WaitForEventsUntil(DeadlineAfter(g.PhaseStartMs, kPunishmentMs + 1));
}

void AdjustFrameDelay(int32_t Delta) {
    GameState& g = Game();
    g.FrameDelayMs = CheckedAdd(g.FrameDelayMs, Delta);
    if (g.FrameDelayMs < kMinFrameDelayMs) {
        g.FrameDelayMs = kFrameDelayAfterUnderflow;
    }
}

int32_t ClampedStress() {
    GameState& g = Game();
    if (g.Stress < 0) {
        g.Stress = 0;
    }
    if (g.Stress > kStressMax) {
        g.Stress = kStressMax;
    }
    return g.Stress;
}

void ShowGameOver() {
    GameState& g = Game();
    const int32_t points = g.Points;
    g.GameOver = platform::kTrue;
    std::string text(GameTexts::kGameOver);
    text += std::to_string(points);
    text += GameTexts::kPointsSuffix;
    World().messages.Show(text);
}

}  // namespace game
