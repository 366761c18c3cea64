#include "lum/platform/time.hpp"

#include <gtest/gtest.h>

using namespace lum::platform;

// The real clock: nanosleep never returns early, so the difference is at least
// the time asked, also across the 32-bit wrap.
TEST(RealClock, SleepWaitsAtLeastTheTimeAsked) {
    uint32_t t0 = milliseconds();
    sleep_milliseconds(20);
    uint32_t t1 = milliseconds();
    EXPECT_GE(t1 - t0, 20u);
}
