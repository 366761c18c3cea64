#pragma once

#include "lum/text/string.hpp"

namespace lum {

// "halvane-screenshot-YYYYMMDD-HHMMSS.png" for the local time now.
String screenshot_file_name();

// Writes the screen target as last painted (screen width x height, upright,
// 24-bit) as a PNG named file_name in the desktop folder. False, with the
// reason on the debug output, when the picture could not be written.
bool save_screenshot(const String& file_name);

// The screenshot shortcut: saves one named by the local time and says
// "Screenshot saved" or "Screenshot failed".
void take_screenshot();

} // namespace lum
