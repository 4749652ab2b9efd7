#include <gtest/gtest.h>

#include <chrono>

#include "platform/SteadyClock.h"

namespace {

// The pump sleeps exactly this long before the last millisecond of a wait:
// it must reach the counter's tick to the deadline, and not overshoot it by
// up to a millisecond.
TEST(SteadyClock, MicrosecondsUntilEndsExactlyWhenTheCounterReachesTheDeadline) {
    int64_t nowUs = 0;
    platform::SteadyClock clock([&nowUs] { return nowUs; });
    struct Row {
        int64_t nowUs;
        int32_t deadlineMs;
        int32_t nowMs;
        int64_t waitUs;
    };
    // The last one after the counter has wrapped, at 2^32 ms.
    const Row rows[] = {{5300, 7, 5, 1700}, {5000, 7, 5, 2000}, {5999, 6, 5, 1},
                        {5300, 5, 5, 0},    {5300, 2, 5, 0},    {4294967295300, 1, -1, 1700}};
    for (const Row& row : rows) {
        nowUs = row.nowUs;
        EXPECT_EQ(clock.NowMs(), row.nowMs) << row.nowUs;
        EXPECT_EQ(clock.MicrosecondsUntil(row.deadlineMs), row.waitUs) << row.nowUs;
    }
    // Unless told otherwise, the system's monotonic clock.
    const auto systemMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
    const int32_t sinceSystem =
        platform::ElapsedMs(platform::SteadyClock().NowMs(), static_cast<int32_t>(systemMs));
    EXPECT_LT(static_cast<uint32_t>(sinceSystem), 1000u);
}

TEST(Clock, ElapsedIsRightAcrossTheCounterWrap) {
    EXPECT_EQ(platform::ElapsedMs(5, 2), 3);
    EXPECT_EQ(platform::ElapsedMs(-2147483639, 2147483637), 20);
    EXPECT_EQ(platform::ElapsedMs(-3, -10), 7);
    EXPECT_EQ(platform::ElapsedMs(2, 5), -3);
}

}  // namespace
