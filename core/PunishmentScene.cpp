#include "arithmetic/CheckedMath.h"
#include "arithmetic/RandomInt.h"
#include "core/Game.h"
#include "graphics/MaskedBlit.h"
#include "graphics/SheetNames.h"

namespace game {

using arithmetic::CheckedAdd;
using arithmetic::CheckedMul;
using arithmetic::CheckedSub;

namespace {

constexpr int32_t kStepsPerBurst = 4;
constexpr int32_t kStepPauseMs = 3;
constexpr int32_t kStepWidth = 40;

}  // namespace

void Game::PlayPunch(std::string_view sceneLetter, int32_t durationMs) {
    if (burstDepth_ >= kMaxNestedBursts) {
        return;
    }
    ++burstDepth_;
    struct DepthGuard {
        int32_t& depth;
        ~DepthGuard() { --depth; }
    } guard{burstDepth_};

    GameState& g = state_;
    Services& world = world_;

    // Now and then wipe the marks earlier bursts left behind.
    if (RandomUpTo(5.0) == 0) {
        LoadSheet(g.PlayField, sceneLetter);
    }
    if (!g.InPunishment) {
        return;
    }

    world.sound.PlayAsync(graphics::PunchSoundPath(world.appFolder));

    const int32_t r100 = RandomUpTo(100.0);
    const int32_t r70 = RandomUpTo(70.0);
    // The cells are cut by the punch surface's own size: two halves side by side.
    const int32_t cellWidth = g.PunchSheet->Width() / 2;
    const int32_t sheetHeight = g.PunchSheet->Height();
    // One row per burst, chosen at random; the fist moves left step by step.
    const int32_t rowX = CheckedAdd(CheckedSub(180, r100 / 2), r70);
    const int32_t rowY = CheckedAdd(30, r100);

    int32_t k = 0;
    while (true) {
        if (platform::ElapsedMs(world.clock.NowMs(), g.PhaseStartMs) > durationMs) {
            return;
        }
        if (k == kStepsPerBurst) {
            return;
        }
        k = CheckedAdd(k, 1);

        // Further hits land here, each with a whole burst of its own.
        world.pump.ProcessEvents();
        if (!g.InPunishment || g.GameOver) {
            return;
        }

        const int32_t trailX = CheckedSub(rowX, CheckedMul(kStepWidth, k - 1));
        graphics::BlitTransparent(*g.PlayField, trailX, rowY, cellWidth, sheetHeight, *g.PunchSheet,
                                  cellWidth, 0, graphics::kTransparentColour);
        if (k <= 3) {
            const int32_t fistX = CheckedSub(rowX, CheckedMul(kStepWidth, k));
            graphics::BlitTransparent(*g.PlayField, fistX, rowY, cellWidth, sheetHeight,
                                      *g.PunchSheet, 0, 0, graphics::kTransparentColour);
        }
        world.clock.Sleep(kStepPauseMs);
        g.PlayField->Refresh();
    }
}

}  // namespace game
