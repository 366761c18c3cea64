#include "lum/input/mouse_state.hpp"

#include "lum/platform/mouse.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

// Mouse buttons the platform reports; the last record stays up.
constexpr int32_t READ_BUTTONS = 7;

// Whether offset lies in 0 .. extent - 1, by one unsigned comparison as the
// window system's negative positions demand.
bool within(int64_t offset, int32_t extent) {
    return static_cast<uint64_t>(offset) < static_cast<uint64_t>(static_cast<int64_t>(extent));
}

// Where the pointer is on the screen; false when it is not over the viewport.
bool locate(const ScreenView& view, ScreenPoint& point) {
    platform::MousePosition p = platform::mouse_position();
    platform::Size window = platform::window_size();
    int64_t dx = static_cast<int64_t>(p.x) - view.viewport_left;
    int64_t dy = static_cast<int64_t>(p.y) - view.viewport_top;
    if (!within(p.x, window.width) || !within(p.y, window.height) || !within(dx, view.viewport_width) ||
        !within(dy, view.viewport_height))
        return false;
    point.x = static_cast<int32_t>(view.screen_width * dx / view.viewport_width);
    point.y = static_cast<int32_t>(view.screen_height * dy / view.viewport_height);
    return true;
}

} // namespace

MouseState& mouse_state() {
    static MouseState mouse;
    return mouse;
}

void poll_mouse(MouseState& mouse, const ScreenView& view, bool enabled) {
    for (ButtonState& b : mouse.buttons)
        b.begin_frame();
    ScreenPoint point;
    mouse.inside = enabled && locate(view, point);
    mouse.position = mouse.inside ? point : ScreenPoint{};
    if (mouse.inside) {
        for (int32_t i = 0; i < READ_BUTTONS; ++i)
            mouse.buttons[i].set(platform::mouse_button(i));
        int32_t wheel = platform::mouse_wheel();
        mouse.wheel_delta = wheel - mouse.wheel_last;
        mouse.wheel_last = wheel;
    } else {
        mouse.wheel_delta = 0;
        mouse.wheel_last = 0;
    }
    for (int32_t i = 0; i < 3; ++i)
        mouse.previous_down[i] = mouse.buttons[i].down;
    for (ButtonState& b : mouse.buttons)
        b.finish_frame();
}

} // namespace lum
