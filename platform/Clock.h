#pragma once

#include <cstdint>

namespace platform {

// The system millisecond counter. It wraps around; take durations with ElapsedMs.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int32_t NowMs() = 0;
    // Blocks the calling thread; nothing is processed meanwhile.
    virtual void Sleep(int32_t ms) = 0;
    // How long until the counter first reads `deadlineMs`, finer than the
    // counter itself where the clock can tell; never negative.
    virtual int64_t MicrosecondsUntil(int32_t deadlineMs);
};

// now - start, correct across the counter's wrap-around as long as the real
// duration is below 2^31 ms (about 24.8 days).
constexpr int32_t ElapsedMs(int32_t now, int32_t start) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(start));
}

inline int64_t Clock::MicrosecondsUntil(int32_t deadlineMs) {
    const int32_t remaining = ElapsedMs(deadlineMs, NowMs());
    return remaining > 0 ? int64_t{remaining} * 1000 : 0;
}

}  // namespace platform
