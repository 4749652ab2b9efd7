#pragma once

#include "platform/Clock.h"

namespace platform {

// Milliseconds of the monotonic system clock, truncated to 32 bits so they
// wrap like the classic tick counter does.
class SteadyClock final : public Clock {
public:
    int32_t NowMs() override;
    void Sleep(int32_t ms) override;
    int64_t MicrosecondsUntil(int32_t deadlineMs) override;
};

}  // namespace platform
