#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace lum {

class RenderTarget;

// How the logical screen fills the window.
enum ScreenMode : int32_t {
    // The screen at `scale` times its size, centred (it may overflow the window).
    FIXED_SCALE = 0,
    // The screen stretched over the whole window.
    STRETCH = 1,
    // The largest centred picture of the screen's shape that fits the window.
    LETTERBOX = 2,
};

// One render target in use: where drawing goes and its viewport.
struct TargetEntry {
    uint32_t framebuffer = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const TargetEntry&) const = default;
};

// The renderer's process-wide state. The application object owns the sizes,
// mode and scale and writes them here; the renderer keeps the rest.
struct RendererState {
    int32_t screen_width = 320;
    int32_t screen_height = 240;
    int32_t window_width = 640;
    int32_t window_height = 480;
    // A ScreenMode; any other value leaves the window viewport as it is.
    int32_t screen_mode = FIXED_SCALE;
    float scale = 1.0f;
    int32_t viewport_x = 0;
    int32_t viewport_y = 0;
    int32_t viewport_width = 0;
    int32_t viewport_height = 0;
    bool viewport_at_origin = true;
    // The targets in use, innermost last; empty means the window.
    std::vector<TargetEntry> target_stack;
};

RendererState& renderer();

// The window viewport of a screen mode, before truncation to whole pixels;
// nothing for a mode value outside the three (the viewport stays as it is).
struct ViewportArea {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};
std::optional<ViewportArea> window_viewport(int32_t mode, float scale, int32_t screen_width,
                                            int32_t screen_height, int32_t window_width,
                                            int32_t window_height);

// Makes target current: its framebuffer, a viewport of its size and a 2D
// projection with the origin at its top left. Every push needs a pop.
void push_target(const RenderTarget& target);

// Leaves the innermost target (nothing to leave on an empty stack) and
// re-applies what is now current.
void pop_target();

// Makes the current target current again: the innermost one, or else the
// window with the viewport of the screen mode, blending on and a projection
// of the logical screen size.
void apply_window_target();

// Sets the window viewport, each value truncated to an integer, and records it.
void set_window_viewport(float x, float y, float width, float height);

// What the application object adds to graphics start; each step is optional.
struct GraphicsStartHooks {
    // The window-size and window-close handlers.
    std::function<void(int width, int height)> on_window_size;
    std::function<bool()> on_window_close;
    // Creates the screen target and the overlay text screen (after the window
    // target is applied).
    std::function<void()> create_screen_objects;
    // Builds the system font (after the line-smooth hint).
    std::function<void()> build_system_font;
};

// Starts the renderer once the window is open and chooses it for good. With
// the window's context current: checks and loads the framebuffer functions
// (GraphicsGlextException when one is missing), reads GlInfo, clears both
// buffers to black, installs the window handlers, chooses the OpenGL renderer,
// applies the window target, runs the hooks and fetches the shader entry
// points (PixelShaderInitException when one is missing). Without a context it
// chooses the null renderer, installs the handlers, applies the window target
// and creates the screen objects only. A start that throws leaves the null
// renderer chosen.
void graphics_start(const GraphicsStartHooks& hooks = {});

} // namespace lum
