#pragma once

#include <functional>

#include "platform/Clock.h"

namespace platform {

// Milliseconds of the monotonic system clock, truncated to 32 bits so they
// wrap like the classic tick counter does.
class SteadyClock final : public Clock {
public:
    // `microseconds` stands in for the system clock where a test needs time
    // between two ticks of the counter.
    explicit SteadyClock(std::function<int64_t()> microseconds = {});

    int32_t NowMs() override;
    void Sleep(int32_t ms) override;
    int64_t MicrosecondsUntil(int32_t deadlineMs) override;

private:
    std::function<int64_t()> microseconds_;
};

}  // namespace platform
