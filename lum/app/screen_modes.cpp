#include "lum/app/screen_modes.hpp"

#include "lum/app/display_state.hpp"
#include "lum/app/frame_key_state.hpp"
#include "lum/app/notice.hpp"
#include "lum/app/screenshot.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/window.hpp"

#include <algorithm>
#include <array>

namespace lum {

namespace {

constexpr uint32_t CONTROL_COMMAND = CONTROL | COMMAND;

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
    {KEY_1, 1.0f, FIXED_SCALE, true, "1x Window"},
    {KEY_2, 2.0f, FIXED_SCALE, true, "2x Window"},
    {KEY_3, 3.0f, FIXED_SCALE, true, "3x Window"},
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

} // namespace

void set_window_scale(float s) {
    s = std::clamp(s, 0.25f, 4.0f);
    const RendererState& r = renderer();
    platform::set_window_size(static_cast<int>(r.screen_width * s), static_cast<int>(r.screen_height * s));
}

void toggle_desktop_window() {
    DisplayState& d = display();
    RendererState& r = renderer();
    if (d.desktop_window) {
        d.desktop_window = false;
        platform::set_window_size(d.saved_screen_width, d.saved_screen_height);
        return;
    }
    // An unknown desktop size has nothing to grow to.
    if (!frame_key_state().enabled || d.desktop_width <= 0 || d.desktop_height <= 0)
        return;
    d.saved_screen_width = r.screen_width;
    d.saved_screen_height = r.screen_height;
    d.desktop_window = true;
    platform::set_window_size(d.desktop_width, d.desktop_height);
}

void toggle_pause() {
    DisplayState& d = display();
    d.paused = !d.paused;
    show_notice(String(d.paused ? "Pause" : "Resume"));
}

void frame_keys() {
    run_input_step();
    const FrameKeyState& keys = frame_key_state();
    const bool control_command = keys.modifiers() == CONTROL_COMMAND;
    for (const ScaleShortcut& s : SCALE_SHORTCUTS)
        if (control_command && keys.released(s.key))
            apply(s);
    if (keys.pressed(KEY_PAUSE) || (control_command && keys.pressed(KEY_P)))
        toggle_pause();
    if (keys.pressed(KEY_PRINT) || (control_command && keys.pressed(KEY_S)))
        take_screenshot();
    if (keys.modifiers() == COMMAND && keys.released(KEY_RETURN))
        toggle_desktop_window();
}

} // namespace lum
