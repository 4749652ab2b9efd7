#include <string>

#include "arithmetic/CheckedMath.h"
#include "characters/FendorTexts.h"
#include "core/Game.h"
#include "core/Texts.h"

namespace game {

using arithmetic::CheckedAdd;
using arithmetic::CheckedDiv;
using arithmetic::CheckedMul;
using arithmetic::CheckedSub;

void Game::SettleBeating() {
    GameState& g = state_;
    Services& world = world_;
    characters::Fendor& beaten = FendorAt(g.SelectedSlot);
    const int32_t knockOutScore = beaten.PointsCalc(g.HitCount);

    // Records go in, and onto the disk, before the first box: closing or
    // killing the game from behind a box cannot lose them.
    bool recordRose = false;
    if (knockOutScore > g.MaxKnockOutScore) {
        g.MaxKnockOutScore = knockOutScore;
        recordRose = true;
    }
    if (g.Points > g.HiScore) {
        g.HiScore = g.Points;
        recordRose = true;
    }
    if (g.HitCount > g.MaxHits) {
        g.MaxHits = g.HitCount;
        recordRose = true;
    }
    if (recordRose) {
        SaveSettings(SettingsPath());
    }

    world.messages.Show(
        beaten.Name() + std::string(texts::kDied),
        std::string(texts::kKnockOutCaption) + texts::Number(knockOutScore, texts::kPointsUnit));

    for (int32_t slot = 0; slot < kRosterSize; ++slot) {
        FendorAt(slot).LvUp(true, 0);
    }
    beaten.Create();
    world.messages.Show(std::string(texts::kReplacement) + beaten.Name() +
                        std::string(characters::fendor_texts::kEnrolled));

    // The roster's pace moves a tenth of the way toward 50 ms per level.
    const int32_t level = beaten.Lv();
    AdjustFrameDelay(CheckedSub(CheckedMul(5, level), CheckedDiv(g.FrameDelayMs, 10)));
    g.HitCount = 0;
}

void Game::SettleJudgement() {
    GameState& g = state_;
    g.Stress = CheckedAdd(CheckedAdd(g.StressAtStart, CheckedDiv(g.StressAtStart, 4)), 15);
    world_.messages.Show(texts::kJudgePenalty);
}

void Game::EndPunishment() {
    if (state_.TargetGuilty) {
        SettleBeating();
    } else {
        SettleJudgement();
    }
    ClearPunishment();
}

void Game::ClearPunishment() {
    GameState& g = state_;
    g.InPunishment = false;
    g.TargetGuilty = false;
    g.NoStressRelief = false;
    g.PointsAtStart = 0;
    g.StressAtStart = 0;
    g.LastHitInput = 0;
}

}  // namespace game
