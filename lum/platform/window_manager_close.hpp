#pragma once

#include "lum/text/string.hpp"

namespace lum::platform {

// Asks the top-level window titled window_title to close, as a window
// manager's close button does: a WM_DELETE_WINDOW message on the display of
// $DISPLAY. False when no window of that title takes the message (or there is
// no display). For tests and tools; the program never closes itself this way.
bool send_window_manager_close(const String& window_title);

} // namespace lum::platform
