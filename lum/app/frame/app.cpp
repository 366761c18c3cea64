#include "lum/app/frame/app.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/audio/audio_device.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/window.hpp"

namespace lum {

WindowSettings settings_of(App& app) {
    WindowSettings s;
    app.setup_window(s);
    s.normalise();
    return s;
}

void apply_window_settings(App& app) {
    const WindowSettings s = settings_of(app);
    RendererState& r = renderer();
    r.screen_width = s.screen_width;
    r.screen_height = s.screen_height;
    FrameState& d = frame_state();
    // Every task paints at the screen size, so the target follows it.
    const RenderTarget& t = d.screen_target;
    if (t.width() != s.screen_width || t.height() != s.screen_height)
        d.screen_target.create(s.screen_width, s.screen_height);
    if (s.window_width != r.window_width || s.window_height != r.window_height)
        platform::set_window_size(s.window_width, s.window_height);
    d.backdrop_colour = RGB(32, 32, 32);
    d.border_colour = RGB(48, 48, 48);
    platform::set_window_title(s.title);
}

void reset_engine() {
    stop_all_sources();
    frame_state().phase = Terminating;
    draw_frame();
    platform::swap_buffers();
    frame_state().task_stack.clear();
}

void on_window_size(int width, int height) {
    draw_frame();
    platform::swap_buffers();
    renderer().window_width = width;
    renderer().window_height = height;
}

bool on_window_close() {
    return true;
}

} // namespace lum
