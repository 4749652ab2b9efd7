#include "platform/StdRandom.h"

#include <chrono>
#include <cstdint>

namespace platform {

StdRandom::StdRandom() {
    ReseedFromClock();
}

float StdRandom::NextUnitFloat() {
    // 24 random bits fill a float's mantissa exactly, so the value is uniform
    // on a 2^-24 grid and can never round up to 1.
    return static_cast<float>(engine_() >> 40) * 0x1p-24f;
}

void StdRandom::ReseedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<uint64_t>(ticks));
}

}  // namespace platform
