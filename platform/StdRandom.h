#pragma once

#include <random>

#include "platform/Random.h"

namespace platform {

class StdRandom final : public Random {
public:
    StdRandom();
    float NextUnitFloat() override;
    void ReseedFromClock() override;

private:
    std::mt19937_64 engine_;
};

}  // namespace platform
