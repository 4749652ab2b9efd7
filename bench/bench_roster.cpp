#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string_view>
#include <vector>

#include "bench/SilentWorld.h"
#include "core/Game.h"
#include "files/AppFolder.h"
#include "graphics/SheetSizes.h"
#include "graphics/Surface.h"
#include "platform/StdRandom.h"
#include "platform/SteadyClock.h"

namespace {

using Clock = std::chrono::steady_clock;

using bench::NoBoxes;
using bench::NoPump;
using bench::NoSound;

// One roster frame: the background read from disk and decoded again, six
// Fendors acting and 36 masked 16 x 16 copies; nothing is shown on screen.
// The limit beside it copies as many bytes as the frame writes.
void RosterFrame(benchmark::State& state) {
    platform::SteadyClock clock;
    platform::StdRandom random;
    NoPump pump;
    NoBoxes boxes;
    NoSound sound;
    // The rules under measure never touch the settings file.
    game::Game game({clock, random, pump, boxes, sound, files::AppFolder(), std::nullopt});

    using graphics::kCellSize;
    using graphics::kPlayFieldSize;
    graphics::Surface picMain(kPlayFieldSize), picFendor(graphics::kFendorSurfaceSize),
        picPunch(graphics::kPunchSheetSize), picMirror(kPlayFieldSize);
    game.InitGame(picMain, picFendor, picPunch, picMirror);

    constexpr size_t kFrameBytes =
        (kPlayFieldSize.width * kPlayFieldSize.height + 36 * kCellSize * kCellSize) * 4;
    std::vector<uint8_t> from(kFrameBytes, 0x5A), to(kFrameBytes);
    constexpr int kBatch = 50;

    double frameNs = 0;
    double copyNs = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            game.DrawRoster();
        }
        const double mine = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        start = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            std::memcpy(to.data(), from.data(), kFrameBytes);
            benchmark::ClobberMemory();
        }
        copyNs += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        frameNs += mine;
        state.SetIterationTime(mine * 1e-9);
    }
    const double calls = static_cast<double>(state.iterations()) * kBatch;
    state.SetLabel("time per batch of 50 frames");
    state.counters["frame_ns"] = frameNs / calls;
    state.counters["copy_ns"] = copyNs / calls;
    state.counters["ratio_vs_copy"] = frameNs / copyNs;
}
BENCHMARK(RosterFrame)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
