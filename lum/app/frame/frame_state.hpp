#pragma once

#include "lum/graphics/colour.hpp"
#include "lum/graphics/render_target.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace lum {

class Task;

// Where the process is in its life; draw_frame draws by it.
enum AppPhase : int32_t { Booting = 0, Running = 1, Terminating = 2 };

// The frame's state: the display, the phase, pause, the frame counter, the
// input switch and the task stack; one process-wide instance. The
// screen and window sizes, the screen mode and the scale are the renderer's
// (renderer() in lum/graphics) and are kept only there.
struct FrameState {
    // The desktop's video mode when the window was opened; depth is the sum
    // of its red, green and blue bits.
    int32_t desktop_width = 0;
    int32_t desktop_height = 0;
    int32_t desktop_depth = 0;

    // The window outside the picture, and the logical screen behind it.
    RGB border_colour = RGB(48, 48, 48);
    RGB backdrop_colour = RGB(32, 32, 32);

    // Every task paints into this target; draw_frame puts it on the window
    // centred, scaled by the zooms and turned by angle (degrees).
    RenderTarget screen_target;
    float zoom_x = 1.0f;
    float zoom_y = 1.0f;
    float angle = 0.0f;

    AppPhase phase = Booting;
    bool paused = false;
    // Whether input counted in the last key step: the window active, or the
    // desktop window taking input in the background.
    bool input_enabled = false;
    // Incremented at the start of every frame; the audio layer reads it.
    uint32_t frame_count = 0;
    // The frame whose key step ran last; none before the first.
    std::optional<uint32_t> key_step_frame;

    // True while Command+Return has grown the window to the desktop size;
    // the screen size before that is kept to return to.
    bool desktop_window = false;
    int32_t saved_screen_width = 0;
    int32_t saved_screen_height = 0;

    // The tasks inside run_task, oldest first.
    std::vector<Task*> task_stack;
};

FrameState& frame_state();

} // namespace lum
