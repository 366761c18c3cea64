#pragma once

#include <cstdint>

namespace lum::platform {

// Milliseconds of a monotonic clock as a 32-bit value; it wraps after about
// 49.7 days, so callers compare differences, not values.
uint32_t milliseconds();

// Suspends the calling thread for about ms milliseconds.
void sleep_milliseconds(uint32_t ms);

// A moment of the local wall clock, to the second.
struct LocalTime {
    int year = 0;
    // 1 to 12.
    int month = 0;
    // 1 to 31.
    int day = 0;
    int hour = 0;
    int minute = 0;
    // 0 to 60 (a leap second).
    int second = 0;
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// The local time now, as the user's time zone shows it.
LocalTime local_time();

} // namespace lum::platform
