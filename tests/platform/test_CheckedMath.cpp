#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "arithmetic/CheckedMath.h"
#include "arithmetic/Rounding.h"
#include "platform/Clock.h"

namespace {

using platform::CheckedAdd;
using platform::CheckedDiv;
using platform::CheckedMul;
using platform::CheckedNarrow;
using platform::CheckedSub;

constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();

TEST(CheckedMath, ResultsInRangeAreExact) {
    EXPECT_EQ(CheckedAdd<int32_t>(kMax32 - 1, 1), kMax32);
    EXPECT_EQ(CheckedSub<int32_t>(kMin32 + 1, 1), kMin32);
    EXPECT_EQ(CheckedMul<int32_t>(46340, 46340), 2147395600);
    EXPECT_EQ(CheckedDiv<int32_t>(-7, 2), -3);
    EXPECT_EQ(CheckedDiv<int32_t>(7, -2), -3);
    EXPECT_EQ((CheckedNarrow<int16_t, int32_t>(-32768)), -32768);
    EXPECT_EQ((CheckedNarrow<int16_t, int32_t>(32767)), 32767);
}

TEST(CheckedMathDeathTest, OverflowStopsTheProgramWithAMessage) {
    EXPECT_DEATH(CheckedAdd<int32_t>(kMax32, 1), "overflow \\(add\\)");
    EXPECT_DEATH(CheckedSub<int32_t>(kMin32, 1), "overflow \\(subtract\\)");
    EXPECT_DEATH(CheckedMul<int32_t>(65536, 32768), "overflow \\(multiply\\)");
    EXPECT_DEATH(CheckedDiv<int32_t>(kMin32, -1), "overflow");
    EXPECT_DEATH(CheckedDiv<int32_t>(1, 0), "division by zero");
    EXPECT_DEATH((CheckedNarrow<int16_t, int32_t>(32768)), "overflow \\(narrow\\)");
    EXPECT_DEATH(CheckedAdd<int16_t>(32767, 1), "overflow");
}

TEST(CheckedMathDeathTest, AHandlerThatReturnsCannotLetTheProgramGoOn) {
    EXPECT_DEATH(
        {
            platform::SetOverflowHandler([](std::string_view) {});
            CheckedAdd<int32_t>(kMax32, 1);
        },
        "overflow");
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(platform::RoundHalfEven(0.5), 0);
    EXPECT_EQ(platform::RoundHalfEven(1.5), 2);
    EXPECT_EQ(platform::RoundHalfEven(2.5), 2);
    EXPECT_EQ(platform::RoundHalfEven(-0.5), 0);
    EXPECT_EQ(platform::RoundHalfEven(-1.5), -2);
    EXPECT_EQ(platform::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(platform::RoundHalfEven(0.5000001), 1);
    EXPECT_EQ(platform::RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(platform::RoundHalfEven(-3.7), -4);
    EXPECT_EQ(platform::RoundHalfEven(2147483647.4), kMax32);
    EXPECT_EQ(platform::RoundHalfEven(-2147483648.4), kMin32);
}

TEST(RoundingDeathTest, ValuesBeyondThirtyTwoBitsOverflow) {
    EXPECT_DEATH(platform::RoundHalfEven(2147483647.5), "overflow");
    EXPECT_DEATH(platform::RoundHalfEven(-2147483648.6), "overflow");
    EXPECT_DEATH(platform::RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), "overflow");
}

TEST(Clock, ElapsedIsRightAcrossTheCounterWrap) {
    EXPECT_EQ(platform::ElapsedMs(5, 2), 3);
    EXPECT_EQ(platform::ElapsedMs(kMin32 + 9, kMax32 - 10), 20);
    EXPECT_EQ(platform::ElapsedMs(-3, -10), 7);
    EXPECT_EQ(platform::ElapsedMs(2, 5), -3);
}

}  // namespace
