#pragma once

#include "platform/Clock.h"
#include "platform/EventPump.h"

namespace platform {

class QtEventPump final : public EventPump {
public:
    explicit QtEventPump(Clock& clock) : clock_(clock) {}
    void ProcessEvents() override;
    void WaitForEventsUntil(int32_t deadlineMs) override;

private:
    Clock& clock_;
};

}  // namespace platform
