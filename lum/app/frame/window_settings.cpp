#include "lum/app/frame/window_settings.hpp"

#include <algorithm>

namespace lum {

void WindowSettings::normalise() {
    // A negative side has no more area than 0 and would give a negative window.
    if (screen_width <= 0 || screen_height <= 0) {
        screen_width = 320;
        screen_height = 240;
    }
    if (window_width == 0 || window_height == 0) {
        int32_t factor = scale == 0 ? 2 : scale;
        window_width = screen_width * factor;
        window_height = screen_height * factor;
    }
    window_width = std::max(window_width, 16);
    window_height = std::max(window_height, 16);
}

} // namespace lum
