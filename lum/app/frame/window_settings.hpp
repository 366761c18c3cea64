#pragma once

#include "lum/graphics/colour.hpp"
#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// What an application asks of its window, filled fresh by App::setup_window
// each time it is used.
struct WindowSettings {
    // How visibly the boot task runs: 0 no frames of its own, 1 a frame before
    // and after its report, 2 also a frame after every line.
    int32_t boot_screen_mode = 0;
    // The logical screen every task draws in.
    int32_t screen_width = 320;
    int32_t screen_height = 240;
    // The window's client size; 0 means screen size times scale.
    int32_t window_width = 0;
    int32_t window_height = 0;
    // 0 means 2.
    int32_t scale = 0;
    // The background of the system font's glyphs.
    RGBA font_background = RGBA(0, 0, 0, 0);
    String title = "Halvane Game Window";

    // A screen without area becomes 320 x 240; a window size of 0 becomes the
    // screen times the scale (2 for scale 0); each window side is at least 16.
    void normalise();
};

} // namespace lum
