#pragma once

namespace platform {

// The program's one random source.
class Random {
public:
    virtual ~Random() = default;
    // A uniform single-precision value in [0, 1).
    virtual float Rnd() = 0;
    // Starts a new sequence seeded from the clock.
    virtual void Randomize() = 0;
};

}  // namespace platform
