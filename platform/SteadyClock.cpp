#include "platform/SteadyClock.h"

#include <chrono>
#include <thread>

namespace platform {

int32_t SteadyClock::timeGetTime() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

void SteadyClock::Sleep(int32_t ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

}  // namespace platform
