#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// A wall-clock moment in the local time zone.
struct LocalTime {
    int32_t year = 0;
    int32_t month = 0; // 1..12
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// The local time now.
LocalTime local_time_now();

// "halvane-screenshot-YYYYMMDD-HHMMSS.png" for the moment t.
String screenshot_file_name(const LocalTime& t);

// Writes the screen target as last painted (screen width x height, upright,
// 24-bit) as a PNG named file_name in the desktop folder. False, with the
// reason on the debug output, when the picture could not be written.
bool save_screenshot(const String& file_name);

// The screenshot shortcut: saves one named by the local time and says
// "Screenshot saved" or "Screenshot failed".
void take_screenshot();

} // namespace lum
