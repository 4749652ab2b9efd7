#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <string_view>

namespace arithmetic {

// The game's integers trap on overflow instead of wrapping: the error is
// printed, then the handler stops the program. The default handler aborts;
// the application installs one that tells the player first. A handler must
// not return.
using OverflowHandler = void (*)(std::string_view what);
void SetOverflowHandler(OverflowHandler handler);
[[noreturn]] void OverflowError(std::string_view what);

template <std::signed_integral T>
T CheckedAdd(T a, T b) {
    T r;
    if (__builtin_add_overflow(a, b, &r))
        OverflowError("add");
    return r;
}

template <std::signed_integral T>
T CheckedSub(T a, T b) {
    T r;
    if (__builtin_sub_overflow(a, b, &r))
        OverflowError("subtract");
    return r;
}

template <std::signed_integral T>
T CheckedMul(T a, T b) {
    T r;
    if (__builtin_mul_overflow(a, b, &r))
        OverflowError("multiply");
    return r;
}

// Integer division truncating toward zero; division by zero stops the
// program just as an overflow does.
template <std::signed_integral T>
T CheckedDiv(T a, T b) {
    if (b == 0)
        OverflowError("division by zero");
    if (a == std::numeric_limits<T>::min() && b == -1)
        OverflowError("divide");
    return static_cast<T>(a / b);
}

template <std::signed_integral To, std::signed_integral From>
To CheckedNarrow(From value) {
    if (value < std::numeric_limits<To>::min() || value > std::numeric_limits<To>::max()) {
        OverflowError("narrow");
    }
    return static_cast<To>(value);
}

}  // namespace arithmetic
