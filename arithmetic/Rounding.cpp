#include "arithmetic/Rounding.h"

#include <cmath>

#include "arithmetic/CheckedMath.h"

namespace arithmetic {

int32_t RoundHalfEven(double value) {
    if (!(value > -2147483648.5 && value < 2147483647.5)) {
        OverflowError("round");
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
        result = floor + 1.0;
    }
    if (result > 2147483647.0) {
        OverflowError("round");
    }
    return static_cast<int32_t>(result);
}

}  // namespace arithmetic
