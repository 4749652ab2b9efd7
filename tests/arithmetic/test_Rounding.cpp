#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "arithmetic/Rounding.h"

namespace {

constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(arithmetic::RoundHalfEven(0.5), 0);
    EXPECT_EQ(arithmetic::RoundHalfEven(1.5), 2);
    EXPECT_EQ(arithmetic::RoundHalfEven(2.5), 2);
    EXPECT_EQ(arithmetic::RoundHalfEven(-0.5), 0);
    EXPECT_EQ(arithmetic::RoundHalfEven(-1.5), -2);
    EXPECT_EQ(arithmetic::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(arithmetic::RoundHalfEven(0.5000001), 1);
    EXPECT_EQ(arithmetic::RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(arithmetic::RoundHalfEven(-3.7), -4);
    EXPECT_EQ(arithmetic::RoundHalfEven(2147483647.4), kMax32);
    EXPECT_EQ(arithmetic::RoundHalfEven(-2147483648.4), kMin32);
}

TEST(RoundingDeathTest, ValuesBeyondThirtyTwoBitsOverflow) {
    EXPECT_DEATH(arithmetic::RoundHalfEven(2147483647.5), "overflow");
    EXPECT_DEATH(arithmetic::RoundHalfEven(-2147483648.6), "overflow");
    EXPECT_DEATH(arithmetic::RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), "overflow");
}

}  // namespace
