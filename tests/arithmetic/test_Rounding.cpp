#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

#include "arithmetic/Rounding.h"

namespace {

constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    // clang-format off
    const std::pair<double, int32_t> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {0.5000001, 1},
        {2.4999999, 2}, {-3.7, -4}, {2147483647.4, kMax32}, {-2147483648.4, kMin32}};
    // clang-format on
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(arithmetic::RoundHalfEven(value), rounded) << value;
    }
}

TEST(RoundingDeathTest, ValuesBeyondThirtyTwoBitsOverflow) {
    EXPECT_DEATH(arithmetic::RoundHalfEven(2147483647.5), "overflow");
    EXPECT_DEATH(arithmetic::RoundHalfEven(-2147483648.6), "overflow");
    EXPECT_DEATH(arithmetic::RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), "overflow");
}

}  // namespace
