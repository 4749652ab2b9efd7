#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "arithmetic/CheckedMath.h"

namespace {

using arithmetic::CheckedAdd;
using arithmetic::CheckedDiv;
using arithmetic::CheckedMul;
using arithmetic::CheckedNarrow;
using arithmetic::CheckedSub;

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
            arithmetic::SetOverflowHandler([](std::string_view) {});
            CheckedAdd<int32_t>(kMax32, 1);
        },
        "overflow");
}

}  // namespace
