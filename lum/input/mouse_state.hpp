#pragma once

#include "lum/input/button_state.hpp"

#include <array>
#include <cstdint>

namespace lum {

// Where the screen is shown: the logical screen's size and the rectangle of
// the window (in window pixels) that shows it.
struct ScreenView {
    int32_t screen_width = 0;
    int32_t screen_height = 0;
    int32_t viewport_left = 0;
    int32_t viewport_top = 0;
    int32_t viewport_width = 0;
    int32_t viewport_height = 0;
};

// A pointer position in screen pixels.
struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The mouse across frames.
struct MouseState {
    // Records 0 to 6 follow mouse buttons 0 (left), 1 (right), 2 (middle) to 6;
    // record 7 is never set.
    std::array<ButtonState, 8> buttons{};
    // The pointer is over the part of the window that shows the screen.
    uint8_t inside = 0;
    // The pointer in screen pixels; (0, 0) when not inside.
    ScreenPoint position;
    // The down flags of buttons 0 to 2 as the previous frame left them.
    std::array<uint8_t, 3> previous_down{};
    // Wheel steps since the last read; the wheel value last read.
    int32_t wheel_delta = 0;
    int32_t wheel_last = 0;
};

// The program's mouse records, created zeroed on first use.
MouseState& mouse_state();

// Reads the mouse for one frame. Outside the viewport, or when disabled, the
// buttons read as up and the wheel count restarts, so the first frame back
// inside reports the whole wheel value as its delta.
void poll_mouse(MouseState& mouse, const ScreenView& view, bool enabled);

} // namespace lum
