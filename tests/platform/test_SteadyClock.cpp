#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/SteadyClock.h"

namespace {

// The pump sleeps exactly this long before the last millisecond of a wait:
// it must reach the counter's tick to the deadline, and not overshoot it by
// a millisecond.
TEST(SteadyClock, MicrosecondsUntilEndsExactlyWhenTheCounterReachesTheDeadline) {
    platform::SteadyClock clock;
    using std::chrono::steady_clock;
    for (const int32_t ahead : {1, 2, 5}) {
        const steady_clock::time_point before = steady_clock::now();
        const int32_t now = clock.NowMs();
        const int32_t deadline = now + ahead;
        const int64_t wait = clock.MicrosecondsUntil(deadline);
        // However long this thread was held up between the two readings.
        const auto heldUp =
            std::chrono::duration_cast<std::chrono::microseconds>(steady_clock::now() - before)
                .count();
        EXPECT_GT(wait + heldUp, (ahead - 1) * 1000) << ahead;
        EXPECT_LE(wait, ahead * 1000) << ahead;
        std::this_thread::sleep_for(std::chrono::microseconds(clock.MicrosecondsUntil(deadline)));
        EXPECT_GE(platform::ElapsedMs(clock.NowMs(), deadline), 0) << ahead;
    }
    const int32_t now = clock.NowMs();
    EXPECT_EQ(clock.MicrosecondsUntil(now), 0);
    EXPECT_EQ(clock.MicrosecondsUntil(now - 3), 0);
}

TEST(Clock, ElapsedIsRightAcrossTheCounterWrap) {
    EXPECT_EQ(platform::ElapsedMs(5, 2), 3);
    EXPECT_EQ(platform::ElapsedMs(-2147483639, 2147483637), 20);
    EXPECT_EQ(platform::ElapsedMs(-3, -10), 7);
    EXPECT_EQ(platform::ElapsedMs(2, 5), -3);
}

}  // namespace
