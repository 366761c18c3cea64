#include "lum/platform/time.hpp"
#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <tuple>

using namespace lum::platform;

// The real clock: nanosleep never returns early, so the difference is at least
// the time asked, also across the 32-bit wrap.
TEST(RealClock, SleepWaitsAtLeastTheTimeAsked) {
    uint32_t t0 = milliseconds();
    sleep_milliseconds(20);
    uint32_t t1 = milliseconds();
    EXPECT_GE(t1 - t0, 20u);
}

// The local time between two readings equals what date(1) says in the same
// zone; a zone nine hours east of UTC with no daylight saving shows it is the
// local and not the universal time.
TEST(RealClock, LocalTimeIsTheWallClockOfTheZone) {
    setenv("TZ", "JST-9", 1);
    tzset();
    LocalTime before = local_time();
    lum::RunResult date = lum::run_process({"env", "TZ=JST-9", "date", "+%Y %m %d %H %M %S"});
    LocalTime after = local_time();
    unsetenv("TZ");
    tzset();
    ASSERT_EQ(date.exit_status, 0);
    LocalTime shown;
    std::istringstream in(date.stdout_text);
    in >> shown.year >> shown.month >> shown.day >> shown.hour >> shown.minute >> shown.second;
    auto tie = [](const LocalTime& t) {
        return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second);
    };
    EXPECT_LE(tie(before), tie(shown));
    EXPECT_LE(tie(shown), tie(after));
    EXPECT_GE(before.year, 2024);
}
