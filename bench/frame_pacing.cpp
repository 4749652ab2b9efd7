// The real game window under an X server, with the real clock and event pump:
// how late each roster frame reaches the screen against its deadline, and how
// long a click on a misbehaving Fendor, sent through the X server like a
// player's, takes to put the beating scene on screen.
//   frame_pacing        (needs DISPLAY; scripts/bench-pacing.sh starts Xvfb)
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

#include "bench/FakePointer.h"
#include "bench/SilentWorld.h"
#include "core/Game.h"
#include "core/RosterLayout.h"
#include "files/AppFolder.h"
#include "files/SettingsLocation.h"
#include "platform/StdRandom.h"
#include "platform/SteadyClock.h"
#include "platform/qt/QtEventPump.h"
#include "windows/GameWindow.h"
#include "windows/PictureBox.h"

namespace {

constexpr int kSlowFrameMs = 500;
constexpr int kFastFrameMs = 20;
constexpr size_t kSlowFrames = 12;
constexpr size_t kFastFrames = 400;
constexpr size_t kClicks = 10;

using bench::NoBoxes;
using bench::NoSound;

int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Nanoseconds from the moment the game's millisecond counter (SteadyClock:
// steady_clock milliseconds, wrapped) reads deadlineMs until nowNs.
int64_t NsPast(int64_t nowNs, int32_t deadlineMs) {
    const auto nowMs = static_cast<int32_t>(static_cast<uint32_t>(nowNs / 1000000));
    return int64_t{platform::ElapsedMs(nowMs, deadlineMs)} * 1000000 + nowNs % 1000000;
}

// Watches every picture the play field shows and steers the run from there:
// first slow frames, then fast ones, then one click per game on a Fendor
// that misbehaves, each game closed as soon as its beating is on screen.
class Pacing {
public:
    Pacing(game::Game& game, windows::GameWindow& window, windows::PictureBox& field,
           bench::FakePointer& pointer)
        : game_(game), window_(window), field_(field), pointer_(pointer) {}

    bool Done() const { return clickNs_.size() >= kClicks; }
    void StartGame() {
        framesThisGame_ = 0;
        lastWasRoster_ = false;
        clickSentNs_ = 0;
    }
    void OnShown();
    void Report() const;

private:
    void SteerRoster(game::GameState& g);
    void PickLater(int32_t slot);

    game::Game& game_;
    windows::GameWindow& window_;
    windows::PictureBox& field_;
    bench::FakePointer& pointer_;
    std::mt19937 jitter_{12345};
    std::vector<int64_t> slowLateNs_;
    std::vector<int64_t> fastLateNs_;
    std::vector<int64_t> clickNs_;
    int framesThisGame_ = 0;
    bool lastWasRoster_ = false;
    bool pickPending_ = false;
    int64_t clickSentNs_ = 0;
};

void Pacing::OnShown() {
    field_.repaint();
    const int64_t now = NowNs();
    game::GameState& g = game_.State();
    if (g.InPunishment) {
        if (clickSentNs_ != 0) {
            // A Fendor that calmed down meets the judge instead: no sample.
            if (g.TargetGuilty) {
                clickNs_.push_back(now - clickSentNs_);
            }
            clickSentNs_ = 0;
            QTimer::singleShot(0, &window_, &QWidget::close);
        }
        lastWasRoster_ = false;
        return;
    }
    // The first frame is drawn by InitGame and the second follows no wait.
    if (lastWasRoster_ && framesThisGame_ >= 2) {
        const int64_t late = NsPast(now, g.PhaseStartMs + g.FrameDelayMs + 1);
        (g.FrameDelayMs == kSlowFrameMs ? slowLateNs_ : fastLateNs_).push_back(late);
    }
    lastWasRoster_ = true;
    ++framesThisGame_;
    SteerRoster(g);
}

void Pacing::SteerRoster(game::GameState& g) {
    // Stress would end the game long before enough frames are counted.
    g.Stress = 0;
    if (slowLateNs_.size() < kSlowFrames) {
        g.FrameDelayMs = kSlowFrameMs;
        return;
    }
    g.FrameDelayMs = kFastFrameMs;
    if (fastLateNs_.size() < kFastFrames || pickPending_ || framesThisGame_ < 3 || Done()) {
        return;
    }
    for (int32_t slot = 0; slot < game::kRosterSize; ++slot) {
        if (g.Fendors.at(static_cast<size_t>(slot))->Attack()) {
            // The frame is stretched so the Fendor still misbehaves when the click lands.
            g.FrameDelayMs = kSlowFrameMs;
            PickLater(slot);
            return;
        }
    }
}

void Pacing::PickLater(int32_t slot) {
    const game::Point anchor = game::RosterAnchor(slot);
    const QPoint inWindow =
        field_.mapTo(&window_, QPoint(windows::PictureBox::kBorder + anchor.x + 9,
                                      windows::PictureBox::kBorder + anchor.y + 24));
    pointer_.MoveTo(static_cast<unsigned long>(window_.winId()), inWindow.x(), inWindow.y());
    pickPending_ = true;
    // Anywhere in the frame's wait, as a player's click would land.
    const int delayMs = std::uniform_int_distribution<int>(50, 350)(jitter_);
    QTimer::singleShot(delayMs, Qt::PreciseTimer, &window_, [this] {
        pickPending_ = false;
        clickSentNs_ = NowNs();
        pointer_.ClickLeft();
    });
}

void PrintSpread(const char* what, std::vector<int64_t> ns) {
    if (ns.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(ns.begin(), ns.end());
    // Nearest rank: the smallest sample with at least p of them at or below it.
    const auto rank = [&](double p) {
        const auto index = static_cast<size_t>(p * static_cast<double>(ns.size()) + 0.999999);
        return static_cast<double>(ns[std::clamp<size_t>(index, 1, ns.size()) - 1]) / 1e6;
    };
    std::printf("%s: %zu samples, p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", what, ns.size(),
                rank(0.50), rank(0.99), static_cast<double>(ns.back()) / 1e6);
}

void Pacing::Report() const {
    PrintSpread("roster frame lateness, 500 ms frames", slowLateNs_);
    PrintSpread("roster frame lateness, 20 ms frames", fastLateNs_);
    PrintSpread("click to beating on screen", clickNs_);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::FakePointer pointer;
    if (!pointer.IsOpen()) {
        std::fputs("frame_pacing: cannot open the display\n", stderr);
        return 1;
    }
    const QTemporaryDir settingsFolder;
    platform::SteadyClock clock;
    platform::StdRandom random;
    platform::QtEventPump pump(clock);
    NoBoxes boxes;
    NoSound sound;
    game::Game game({clock, random, pump, boxes, sound, files::AppFolder(),
                     settingsFolder.filePath(files::kSettingsFileName).toStdString()});
    windows::GameWindow window(game, pump);
    auto* field = window.findChild<windows::PictureBox*>(QStringLiteral("picMain"));
    Pacing pacing(game, window, *field, pointer);
    window.PlayFieldSurface().SetRefreshHook([&pacing] { pacing.OnShown(); });

    // Games end when their beating is on screen; a game over by other means
    // starts another all the same. A bound keeps a broken run from going on.
    for (int games = 0; !pacing.Done() && games < 100; ++games) {
        pacing.StartGame();
        window.Main();
    }
    pacing.Report();
    return pacing.Done() ? 0 : 1;
}
