#pragma once

#include <cstdint>

namespace lum::platform {

// Milliseconds of a monotonic clock as a 32-bit value; it wraps after about
// 49.7 days, so callers compare differences, not values.
uint32_t milliseconds();

// Suspends the calling thread for about ms milliseconds.
void sleep_milliseconds(uint32_t ms);

} // namespace lum::platform
