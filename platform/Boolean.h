#pragma once

#include <cstdint>

namespace platform {

// The game keeps its flags as 16-bit integers, -1 for true and 0 for false,
// and combines them bitwise; these keep that convention readable.
using Boolean = int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

constexpr Boolean ToBoolean(bool value) { return value ? kTrue : kFalse; }

}  // namespace platform
