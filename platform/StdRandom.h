#pragma once

#include <cstdint>
#include <random>

#include "platform/Random.h"

namespace platform {

class StdRandom final : public Random {
public:
    StdRandom();
    float NextUnitFloat() override;
    void ReseedFromClock() override;
    void Seed(uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

}  // namespace platform
