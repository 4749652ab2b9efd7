#include "platform/SteadyClock.h"

#include <chrono>
#include <thread>
#include <utility>

namespace platform {
namespace {

int64_t SystemMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The game's millisecond counter wraps at 2^32, as a 32-bit tick count does.
int32_t CounterMs(int64_t ms) {
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

}  // namespace

SteadyClock::SteadyClock(std::function<int64_t()> microseconds)
    : microseconds_(microseconds ? std::move(microseconds) : SystemMicroseconds) {}

int32_t SteadyClock::NowMs() {
    return CounterMs(microseconds_() / 1000);
}

int64_t SteadyClock::MicrosecondsUntil(int32_t deadlineMs) {
    const int64_t now = microseconds_();
    const int64_t nowMs = now / 1000;
    const int32_t remainingMs = ElapsedMs(deadlineMs, CounterMs(nowMs));
    if (remainingMs <= 0) {
        return 0;
    }
    // The counter turns to the deadline at the start of that millisecond.
    return (nowMs + remainingMs) * 1000 - now;
}

void SteadyClock::Sleep(int32_t ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

}  // namespace platform
