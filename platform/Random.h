#pragma once

namespace platform {

// The program's one random source.
class Random {
public:
    virtual ~Random() = default;
    // A uniform single-precision value in [0, 1).
    virtual float NextUnitFloat() = 0;
    // Starts a new sequence seeded from the clock.
    virtual void ReseedFromClock() = 0;
};

}  // namespace platform
