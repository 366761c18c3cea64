#pragma once

namespace lum::platform {

// Mouse buttons: 0 left, 1 right, 2 middle; up to MOUSE_BUTTON_COUNT.
inline constexpr int MOUSE_BUTTON_COUNT = 8;

// Whether the button is down; false for buttons out of range.
bool mouse_button(int button);

// The pointer in window client pixels, origin at the top left.
struct MousePosition {
    int x = 0;
    int y = 0;
};
MousePosition mouse_position();

// The sum of the vertical wheel steps since the window opened.
int mouse_wheel();

} // namespace lum::platform
