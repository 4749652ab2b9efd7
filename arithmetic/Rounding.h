#pragma once

#include <cstdint>

namespace arithmetic {

// The game's float-to-integer conversion: nearest integer, ties to even.
// A value outside the i32 range is an overflow and stops the program.
int32_t RoundHalfEven(double value);

}  // namespace arithmetic
