#include "lum/app/frame/shortcuts.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/notice.hpp"
#include "lum/app/frame/screenshot.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/input/input_step.hpp"
#include "lum/input/key_code.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/platform/window.hpp"

#include <algorithm>
#include <array>

namespace lum {

namespace {

constexpr uint32_t CONTROL_COMMAND = MODIFIER_CONTROL | MODIFIER_COMMAND;

// The shortcuts that fire on the release of a key with exactly Control and
// Command held: the scale (0 keeps it), the mode, whether the window follows
// the scale, and the notice.
struct ScaleShortcut {
    int32_t key;
    float scale;
    int32_t mode;
    bool resize;
    const char* notice;
};

constexpr std::array<ScaleShortcut, 7> SCALE_SHORTCUTS = {{
    {'1', 1.0f, FIXED_SCALE, true, "1x Window"},
    {'2', 2.0f, FIXED_SCALE, true, "2x Window"},
    {'3', 3.0f, FIXED_SCALE, true, "3x Window"},
    {KEY_F1, 0.0f, STRETCH, false, "Stretch"},
    {KEY_F2, 0.0f, LETTERBOX, false, "Letterbox"},
    {KEY_F3, 1.0f, FIXED_SCALE, false, "1x Center"},
    {KEY_F4, 2.0f, FIXED_SCALE, false, "2x Center"},
}};

void apply(const ScaleShortcut& s) {
    RendererState& r = renderer();
    if (s.scale > 0)
        r.scale = s.scale;
    r.screen_mode = s.mode;
    if (s.resize)
        set_window_scale(s.scale);
    show_notice(String(s.notice));
}

// The input step of this frame: sound follows the focus and the pause, and
// the keys, joypads and mouse are read. Returns whether input counted.
bool run_frame_input() {
    const FrameState& d = frame_state();
    const RendererState& r = renderer();
    InputFrame frame;
    frame.paused = d.paused;
    frame.background_input = d.desktop_window;
    frame.screen_width = r.screen_width;
    frame.screen_height = r.screen_height;
    // The window viewport counts from the bottom, the mouse from the top.
    frame.viewport_left = r.viewport_x;
    frame.viewport_top = r.window_height - r.viewport_y - r.viewport_height;
    frame.viewport_width = r.viewport_width;
    frame.viewport_height = r.viewport_height;
    run_input_step(frame);
    return !frame.input_off && (platform::window_active() || frame.background_input);
}

bool key_released(int32_t code) {
    return keyboard_state().keys[code].released;
}
bool key_pressed(int32_t code) {
    return keyboard_state().keys[code].pressed;
}

} // namespace

void set_window_scale(float s) {
    s = std::clamp(s, 0.25f, 4.0f);
    const RendererState& r = renderer();
    platform::set_window_size(static_cast<int>(r.screen_width * s), static_cast<int>(r.screen_height * s));
}

void toggle_desktop_window() {
    FrameState& d = frame_state();
    RendererState& r = renderer();
    if (d.desktop_window) {
        d.desktop_window = false;
        platform::set_window_size(d.saved_screen_width, d.saved_screen_height);
        return;
    }
    // An unknown desktop size has nothing to grow to.
    if (!d.input_enabled || d.desktop_width <= 0 || d.desktop_height <= 0)
        return;
    d.saved_screen_width = r.screen_width;
    d.saved_screen_height = r.screen_height;
    d.desktop_window = true;
    platform::set_window_size(d.desktop_width, d.desktop_height);
}

void toggle_pause() {
    FrameState& d = frame_state();
    d.paused = !d.paused;
    show_notice(String(d.paused ? "Pause" : "Resume"));
}

void frame_keys() {
    frame_state().input_enabled = run_frame_input();
    const uint32_t modifiers = keyboard_state().modifiers;
    const bool control_command = modifiers == CONTROL_COMMAND;
    for (const ScaleShortcut& s : SCALE_SHORTCUTS)
        if (control_command && key_released(s.key))
            apply(s);
    if (key_pressed(KEY_PAUSE) || (control_command && key_pressed('p')))
        toggle_pause();
    if (key_pressed(KEY_PRINT) || (control_command && key_pressed('s')))
        take_screenshot();
    if (modifiers == MODIFIER_COMMAND && key_released(KEY_RETURN))
        toggle_desktop_window();
}

} // namespace lum
