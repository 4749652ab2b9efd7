#pragma once

#include <cstdint>

namespace platform {

// The system millisecond counter. It wraps around; take durations with ElapsedMs.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int32_t timeGetTime() = 0;
    // Blocks the calling thread; nothing is processed meanwhile.
    virtual void Sleep(int32_t ms) = 0;
};

// now - start, correct across the counter's wrap-around as long as the real
// duration is below 2^31 ms (about 24.8 days).
constexpr int32_t ElapsedMs(int32_t now, int32_t start) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(start));
}

}  // namespace platform
