#include <string>

#include "arithmetic/CheckedMath.h"
#include "arithmetic/RandomInt.h"
#include "core/Game.h"
#include "core/Texts.h"

namespace game {

using arithmetic::CheckedAdd;
using arithmetic::CheckedDiv;
using arithmetic::CheckedMul;
using platform::ElapsedMs;

namespace {

constexpr int32_t kMinFrameDelayMs = 20;
// Falling below the minimum throws the pace back rather than pinning it.
constexpr int32_t kFrameDelayAfterUnderflow = 280;

// A counter reading `ms` after `start`, wrapping like the counter does.
int32_t DeadlineAfter(int32_t start, int32_t ms) {
    return static_cast<int32_t>(static_cast<uint32_t>(start) + static_cast<uint32_t>(ms));
}

}  // namespace

int32_t Game::Now() const {
    return world_.clock.NowMs();
}

int32_t Game::MsSincePhaseStart() const {
    return ElapsedMs(Now(), state_.PhaseStartMs);
}

int32_t Game::RandomUpTo(double n) {
    return arithmetic::RandomUpTo(world_.random, n);
}

// The roster frame lasts until more than FrameDelayMs have passed, unless a
// pick starts a punishment or the game ends first. Sleeping in the pump
// instead of spinning keeps the wait free while input is handled at once.
void Game::WaitOutRosterFrame() {
    GameState& g = state_;
    while (MsSincePhaseStart() <= g.FrameDelayMs && !g.InPunishment && !g.GameOver) {
        world_.pump.WaitForEventsUntil(
            DeadlineAfter(g.PhaseStartMs, CheckedAdd(g.FrameDelayMs, 1)));
    }
}

void Game::RaiseStressUnderJudge() {
    GameState& g = state_;
    const int32_t elapsed = MsSincePhaseStart();
    const int32_t rise = CheckedAdd(CheckedDiv(g.StressAtStart, 4), 15);
    g.Stress = CheckedAdd(g.StressAtStart, CheckedDiv(CheckedMul(elapsed, rise), kPunishmentMs));
}

void Game::InitGame(graphics::Surface& picMain, graphics::Surface& picFendor,
                    graphics::Surface& picPunch, graphics::Surface& picMirror) {
    GameState& g = state_;
    // Getting the sound ready may take a moment: before the first roster
    // frame it goes unnoticed, and the first punch plays at once.
    world_.sound.Prepare();
    world_.random.ReseedFromClock();

    g.PlayField = &picMain;
    g.FendorSheet = &picFendor;
    g.PunchSheet = &picPunch;
    g.MirrorBuffer = &picMirror;

    LoadSheet(g.PlayField, "m");
    LoadSheet(g.FendorSheet, "c");
    LoadSheet(g.PunchSheet, "p");

    g.GameOver = false;
    g.FrameDelayMs = kStartFrameDelayMs;
    g.AnimPhase = false;
    g.HitCount = 0;
    g.Points = 0;
    g.Stress = 0;
    g.PhaseStartMs = 0;
    g.SelectedSlot = 0;
    ClearPunishment();

    // A Fendor is re-created in place, never replaced: references to one stay good.
    for (auto& fendor : g.Fendors) {
        if (!fendor.has_value()) {
            fendor.emplace(world_.random, world_.messages);
        }
        fendor->Create();
    }

    DrawRoster();
}

void Game::GameTick() {
    GameState& g = state_;
    if (g.GameOver) {
        return;
    }

    if (!g.InPunishment) {
        DrawRoster();
        g.PhaseStartMs = Now();
        WaitOutRosterFrame();
        return;
    }

    if (!g.TargetGuilty) {
        RaiseStressUnderJudge();
        PlayPunch("f", kPunishmentMs);
        // The burst pumps events: the window may have closed meanwhile, and
        // a game that is over must not go on to settle the punishment.
        if (g.GameOver || !g.InPunishment) {
            return;
        }
    }

    if (MsSincePhaseStart() > kPunishmentMs) {
        EndPunishment();
    }
}

void Game::IdleDuringBeating() {
    const GameState& g = state_;
    if (g.GameOver || !g.InPunishment || !g.TargetGuilty) {
        return;
    }
    if (MsSincePhaseStart() > kPunishmentMs) {
        return;
    }
    world_.pump.WaitForEventsUntil(DeadlineAfter(g.PhaseStartMs, kPunishmentMs + 1));
}

void Game::AdjustFrameDelay(int32_t delta) {
    GameState& g = state_;
    g.FrameDelayMs = CheckedAdd(g.FrameDelayMs, delta);
    if (g.FrameDelayMs < kMinFrameDelayMs) {
        g.FrameDelayMs = kFrameDelayAfterUnderflow;
    }
}

int32_t Game::ClampedStress() {
    GameState& g = state_;
    if (g.Stress < 0) {
        g.Stress = 0;
    }
    if (g.Stress > kStressMax) {
        g.Stress = kStressMax;
    }
    return g.Stress;
}

void Game::ShowGameOver() {
    GameState& g = state_;
    const int32_t points = g.Points;
    g.GameOver = true;
    world_.messages.Show(std::string(texts::kGameOver) +
                         texts::Number(points, texts::kPointsSuffix));
}

}  // namespace game
