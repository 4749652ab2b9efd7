#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Sound.h"

namespace fakes {

// Time moves only when a test (or a Sleep) moves it.
class FakeClock final : public platform::Clock {
public:
    int32_t now = 0;
    int32_t sleptMs = 0;

    int32_t NowMs() override { return now; }
    void Sleep(int32_t ms) override {
        sleptMs += ms;
        Advance(ms);
    }
    void Advance(int32_t ms) {
        now = static_cast<int32_t>(static_cast<uint32_t>(now) + static_cast<uint32_t>(ms));
    }
};

// Hands out scripted values; once the script is used up, `fallback`.
class FakeRandom final : public platform::Random {
public:
    std::deque<float> script;
    float fallback = 0.7f;
    int draws = 0;
    int reseeds = 0;

    float NextUnitFloat() override {
        ++draws;
        if (script.empty()) {
            return fallback;
        }
        const float value = script.front();
        script.pop_front();
        return value;
    }
    void ReseedFromClock() override { ++reseeds; }

    // A value r with round(r x n) == k, halves to even.
    static float ForRound(int k, int n) {
        if (k >= n) {
            return static_cast<float>((n - 0.25) / n);
        }
        return static_cast<float>(static_cast<double>(k) / n);
    }
    void Push(int k, int n) { script.push_back(ForRound(k, n)); }
};

// Events are scripted actions. ProcessEvents runs every action that is due;
// a wait runs the next action (moving the clock to its time) or, with none
// due before the deadline, moves the clock to the deadline.
class FakePump final : public platform::EventPump {
public:
    explicit FakePump(FakeClock& clock) : clock_(clock) {}

    struct Event {
        int32_t at;
        std::function<void()> action;
    };

    static constexpr int kMaxWaits = 10000;
    int processCalls = 0;
    int waitCalls = 0;

    void At(int32_t timeMs, std::function<void()> action) {
        auto later = events_.begin();
        while (later != events_.end() && platform::ElapsedMs(timeMs, later->at) >= 0) {
            ++later;
        }
        events_.insert(later, {timeMs, std::move(action)});
    }
    // Runs at the very next pump, whatever the time.
    void Soon(std::function<void()> action) { At(clock_.now, std::move(action)); }
    bool Idle() const { return events_.empty(); }

    void ProcessEvents() override {
        ++processCalls;
        RunDue();
    }

    void WaitForEventsUntil(int32_t deadlineMs) override {
        // A game that never ends would wait for ever on fake time: stop the
        // test binary instead of hanging the run.
        if (++waitCalls > kMaxWaits) {
            std::fprintf(stderr, "FakePump: still waiting after %d waits\n", kMaxWaits);
            std::abort();
        }
        if (!events_.empty() && platform::ElapsedMs(deadlineMs, events_.front().at) >= 0) {
            if (platform::ElapsedMs(events_.front().at, clock_.now) > 0) {
                clock_.now = events_.front().at;
            }
        } else if (platform::ElapsedMs(deadlineMs, clock_.now) > 0) {
            clock_.now = deadlineMs;
        }
        RunDue();
    }

private:
    void RunDue() {
        // Actions may pump again (nested bursts): take each one off first.
        while (!events_.empty() && platform::ElapsedMs(clock_.now, events_.front().at) >= 0) {
            auto action = std::move(events_.front().action);
            events_.pop_front();
            action();
        }
    }

    FakeClock& clock_;
    std::deque<Event> events_;
};

class FakeMessageBox final : public platform::MessageBox {
public:
    struct Shown {
        std::string text;
        std::string caption;
    };
    std::vector<Shown> shown;
    std::function<void(const Shown&)> onShow;

    void Show(std::string_view text, std::string_view caption) override {
        shown.push_back({std::string(text), std::string(caption)});
        if (onShow) {
            onShow(shown.back());
        }
    }
};

class FakeSound final : public platform::Sound {
public:
    std::vector<std::string> played;
    int prepares = 0;
    void Prepare() override { ++prepares; }
    void PlayAsync(const std::string& wavePath) override { played.push_back(wavePath); }
};

}  // namespace fakes
