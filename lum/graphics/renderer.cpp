#include "lum/graphics/renderer.hpp"

#include "lum/error/exception.hpp"
#include "lum/graphics/gl/framebuffer_functions.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/gl/gl_info.hpp"
#include "lum/graphics/gl/gl_renderer.hpp"
#include "lum/graphics/gl/shader_functions.hpp"
#include "lum/graphics/null_renderer.hpp"
#include "lum/graphics/render_backend.hpp"
#include "lum/graphics/render_target.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

ViewportArea centred(float width, float height, int32_t window_width, int32_t window_height) {
    return {(window_width - width) * 0.5f, (window_height - height) * 0.5f, width, height};
}

} // namespace

RendererState& renderer() {
    static RendererState state;
    return state;
}

std::optional<ViewportArea> window_viewport(int32_t mode, float scale, int32_t sw, int32_t sh, int32_t ww,
                                            int32_t wh) {
    switch (mode) {
    case FIXED_SCALE:
        return centred(scale * sw, scale * sh, ww, wh);
    case STRETCH:
        return ViewportArea{0, 0, static_cast<float>(ww), static_cast<float>(wh)};
    case LETTERBOX:
        // A screen or window without area has no shape to keep: fill the window.
        if (sw <= 0 || sh <= 0 || ww <= 0 || wh <= 0)
            return ViewportArea{0, 0, static_cast<float>(ww), static_cast<float>(wh)};
        if (static_cast<double>(sw) / sh < static_cast<double>(ww) / wh) {
            int64_t w = static_cast<int64_t>(sw) * wh / sh;
            return centred(static_cast<float>(w), static_cast<float>(wh), ww, wh);
        } else {
            int64_t h = static_cast<int64_t>(sh) * ww / sw;
            return centred(static_cast<float>(ww), static_cast<float>(h), ww, wh);
        }
    default:
        return std::nullopt;
    }
}

void set_window_viewport(float x, float y, float width, float height) {
    RendererState& r = renderer();
    r.viewport_x = static_cast<int32_t>(x);
    r.viewport_y = static_cast<int32_t>(y);
    r.viewport_width = static_cast<int32_t>(width);
    r.viewport_height = static_cast<int32_t>(height);
    r.viewport_at_origin = x == 0 && y == 0;
    render_backend().set_viewport(r.viewport_x, r.viewport_y, r.viewport_width, r.viewport_height);
}

void apply_window_target() {
    RendererState& r = renderer();
    if (!r.target_stack.empty()) {
        render_backend().use_target(r.target_stack.back());
        return;
    }
    render_backend().use_window(r.screen_width, r.screen_height);
    auto v = window_viewport(r.screen_mode, r.scale, r.screen_width, r.screen_height, r.window_width,
                             r.window_height);
    if (v)
        set_window_viewport(v->x, v->y, v->width, v->height);
}

void push_target(const RenderTarget& target) {
    const TargetEntry entry{target.framebuffer(), 0, 0, target.width(), target.height()};
    render_backend().use_target(entry);
    renderer().target_stack.push_back(entry);
}

void pop_target() {
    auto& stack = renderer().target_stack;
    if (!stack.empty())
        stack.pop_back();
    apply_window_target();
}

void graphics_start(const GraphicsStartHooks& hooks) {
    // Until OpenGL has started, and for good when it cannot, the null renderer
    // keeps the state and draws nothing.
    use_render_backend(null_renderer());
    // A window without a context (the scripted virtual one) has no OpenGL to start.
    const bool opengl = platform::context_current();
    if (opengl) {
        if (!load_framebuffer_functions())
            throw GraphicsGlextException();
        gl_info() = read_gl_info();
        platform::swap_interval(1);
        // Both buffers start black.
        glClearColor(0, 0, 0, 0);
        for (int i = 0; i < 2; ++i) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            platform::swap_buffers();
        }
        platform::swap_interval(1);
    }
    if (hooks.on_window_size)
        platform::set_window_size_handler(hooks.on_window_size);
    if (hooks.on_window_close)
        platform::set_window_close_handler(hooks.on_window_close);
    if (opengl)
        use_render_backend(gl_renderer());
    try {
        apply_window_target();
        if (hooks.create_screen_objects)
            hooks.create_screen_objects();
        // The font's pages exist only as textures: without OpenGL there is
        // nothing to build, and no shader to fetch.
        if (!opengl)
            return;
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
        if (hooks.build_system_font)
            hooks.build_system_font();
        load_shader_functions();
    } catch (...) {
        use_render_backend(null_renderer());
        throw;
    }
}

} // namespace lum
