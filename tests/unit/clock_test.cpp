// The system clock as the tick reads it must agree with the precise wall
// clock right after a second boundary: the tick timer is armed for a couple
// of milliseconds past each boundary and reads the clock at once.

#include <gtest/gtest.h>

#include <time.h>

#include <ctime>

#include "scheduler/clock.h"

namespace {

timespec preciseNow() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t;
}

TEST(SystemClock, ShowsTheNewSecondJustAfterItsBoundary) {
    const scheduler::SystemClock clock;
    for (int i = 0; i < 5; ++i) {
        // Sleep to just before the next boundary, spin to 1 ms past it, then
        // read both clocks.
        timespec t = preciseNow();
        const std::time_t boundary = t.tv_sec + 1;
        const timespec almost{boundary - 1, 990'000'000};
        clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &almost, nullptr);
        while ((t = preciseNow()).tv_sec < boundary || t.tv_nsec < 1'000'000) {
        }
        const scheduler::LocalTime shown = clock.now();
        if (preciseNow().tv_sec != t.tv_sec) continue;  // held up past the next boundary: no fair reading
        std::tm expected{};
        localtime_r(&t.tv_sec, &expected);
        EXPECT_EQ(shown.second, expected.tm_sec) << "at " << t.tv_nsec / 1'000'000 << " ms past the boundary";
        EXPECT_EQ(shown.minute, expected.tm_min);
        EXPECT_EQ(shown.hour, expected.tm_hour);
    }
}

}  // namespace
