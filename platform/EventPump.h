#pragma once

#include <cstdint>

namespace platform {

// Runs the window system's pending events on the calling thread; input
// handlers run nested inside these calls.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Processes every pending event and returns.
    virtual void ProcessEvents() = 0;
    // Sleeps until an event arrives or the millisecond counter passes
    // deadlineMs, processes what is pending, and returns. The caller re-tests
    // its own condition: an early return is not a timeout.
    virtual void WaitForEventsUntil(int32_t deadlineMs) = 0;
};

}  // namespace platform
