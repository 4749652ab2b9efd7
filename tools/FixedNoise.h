#pragma once

#include <cstdint>

namespace art {

// Seeded xorshift: scattered details look hand-placed yet come out the same on every build.
class FixedNoise {
public:
    explicit FixedNoise(uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 8) / static_cast<double>(1u << 24); }
    // Uniform integer in [0, n).
    int Below(int n) { return static_cast<int>(Unit() * n); }
    // Uniform in [-1, 1).
    double SignedUnit() { return Unit() * 2.0 - 1.0; }

private:
    uint32_t state_;
};

}  // namespace art
