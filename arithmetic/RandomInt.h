#pragma once

#include <cstdint>

#include "arithmetic/Rounding.h"
#include "platform/Random.h"

namespace arithmetic {

// round(NextUnitFloat() x n), halves to even: 0..n, with both ends half as likely as
// each value between them. Every random integer of the game is made so.
inline int32_t RandomUpTo(platform::Random& random, double n) {
    return RoundHalfEven(static_cast<double>(random.NextUnitFloat()) * n);
}

}  // namespace arithmetic
