#include "lum/app/frame/main_loop.hpp"

#include "lum/app/frame/frame_stamp.hpp"
#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/guarded_call.hpp"
#include "lum/app/frame/notice.hpp"
#include "lum/app/frame/shortcuts.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/app/frame/task.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/font/text_palette.hpp"
#include "lum/graphics/frame_drawing.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/time.hpp"
#include "lum/platform/window.hpp"

#include <algorithm>

namespace lum {

namespace {

constexpr uint32_t FRAME_MILLISECONDS = 16;

// Pops the task's own entry: a task that never got onto the stack (it ended
// in begin) must not take the entry of the task it was started from.
void pop_task(Task& task) {
    auto& stack = frame_state().task_stack;
    if (!stack.empty() && stack.back() == &task)
        stack.pop_back();
}

// The begin and end steps: a die() there only ends the task, as from user().
void run_edge_step(Task& task, CallType type) {
    try {
        invoke(task, type);
    } catch (UserDieExceptionType) {
    }
}

// Pops the screen target even when a paint step throws.
struct ScreenTargetScope {
    ScreenTargetScope() { push_target(frame_state().screen_target); }
    ~ScreenTargetScope() { pop_target(); }
    ScreenTargetScope(const ScreenTargetScope&) = delete;
    ScreenTargetScope& operator=(const ScreenTargetScope&) = delete;
};

// Painting is not guarded: a failure here ends the program through App::run.
void paint_tasks() {
    ScreenTargetScope scope;
    for (Task* task : frame_state().task_stack)
        task->paint();
}

void paint_task(Task& task) {
    ScreenTargetScope scope;
    task.paint();
}

void clear_window(uint8_t palette_entry) {
    apply_window_target();
    clear_target(default_text_palette().colour(palette_entry));
}

void draw_backdrop() {
    const FrameState& d = frame_state();
    apply_window_target();
    clear_target(RGBA(d.border_colour, 255));
    // The logical screen is the viewport: clearing it gives the pixels that a
    // filled rectangle over the screen would, at a fraction of the cost.
    clear_viewport(RGBA(d.backdrop_colour, 255));
}

void draw_screen_target() {
    FrameState& d = frame_state();
    const RendererState& r = renderer();
    d.screen_target.set_alpha(1.0f);
    draw_target(d.screen_target, r.screen_width * 0.5f, r.screen_height * 0.5f, r.screen_width * d.zoom_x,
                r.screen_height * d.zoom_y, d.angle);
}

// The key step reads the keyboard once per frame: a redraw from the window-size
// handler inside the same frame must not take a key press away from user().
void run_key_step_once() {
    FrameState& d = frame_state();
    if (d.key_step_frame == d.frame_count)
        return;
    d.key_step_frame = d.frame_count;
    frame_keys();
}

// The frame clock: the platform's milliseconds with the top bit cleared, so
// differences stay right across the wrap of the top bit.
uint32_t frame_clock() {
    return platform::milliseconds() & 0x7FFFFFFFu;
}

// Sleeps in 1 ms steps until 16 ms have passed since start (a frame_clock value).
void pad_frame(uint32_t start) {
    while (((frame_clock() - start) & 0x7FFFFFFFu) < FRAME_MILLISECONDS)
        platform::sleep_milliseconds(1);
}

} // namespace

void draw_frame() {
    FrameState& d = frame_state();
    switch (d.phase) {
    case Terminating:
        clear_window(50);
        draw_notice();
        return;
    case Booting:
        clear_window(32);
        draw_notice();
        return;
    case Running:
        break;
    }
    if (d.task_stack.empty()) {
        draw_backdrop();
        return;
    }
    run_key_step_once();
    if (!d.paused)
        paint_tasks();
    draw_backdrop();
    draw_screen_target();
    draw_notice();
}

void present_frame(Task* shown) {
    ++frame_state().frame_count;
    const uint32_t start = frame_clock();
    // A frame that draws what the window shows already is neither drawn nor
    // presented again, unless the window may have lost it; the pacing stays.
    FrameDrawing drawing;
    draw_frame();
    if (shown != nullptr) {
        paint_task(*shown);
        draw_screen_target();
    }
    const bool changed = drawing.finish(platform::take_picture_request());
    platform::poll_events();
    if (changed)
        platform::swap_buffers();
    stamp_presented_frame(frame_state().phase);
    pad_frame(start);
}

void run_frame(Task& task) {
    present_frame();
    if (!platform::window_open()) {
        task.running = false;
        throw WindowCloseExceptionType::SIGNAL;
    }
}

void run_task(Task& task) {
    task.running = true;
    run_edge_step(task, Begin);
    if (task.running)
        frame_state().task_stack.push_back(&task);
    try {
        while (task.running) {
            run_frame(zero_task());
            if (platform::window_active())
                invoke(task, User);
            else
                platform::sleep_milliseconds(1);
        }
    } catch (UserDieExceptionType) {
    } catch (WindowCloseExceptionType) {
        throw WindowCloseExceptionType::SIGNAL;
    }
    pop_task(task);
    run_edge_step(task, End);
}

} // namespace lum
