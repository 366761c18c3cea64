#pragma once

#include "lum/input/input.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/input/mouse_state.hpp"

namespace lum {

// What the frame tells its input step.
struct InputFrame {
    bool paused = false;
    bool input_off = false;
    bool background_input = false;
    int screen_width = 0;
    int screen_height = 0;
    int viewport_left = 0;
    int viewport_top = 0;
    int viewport_width = 0;
    int viewport_height = 0;
};

// Runs the frame's input step: focus and sound, keyboard with its hold-off, joypads, mouse.
void run_input_step(const InputFrame& frame);

// Called by the input step when the window loses the focus or the program
// pauses (pause), and when both end (resume). Either may be null.
void set_sound_focus_hooks(void (*pause)(), void (*resume)());

// The input step over given records, with its memory of the focus. The
// process-wide step runs over keyboard_state(), input() and mouse_state().
class InputStep {
  public:
    // After the window regains the focus, the keys stay as they were for the
    // frame of the change and this many more.
    static constexpr int32_t KEYBOARD_HOLD_OFF = 14;

    InputStep(KeyboardState& keys, Input& hub, MouseState& mouse) : keys_(keys), input_(hub), mouse_(mouse) {}

    // Runs the input step of one frame over these records (see run_input_step).
    void run(const InputFrame& frame);
    // Back to the state of a new program: no focus seen, sound audible, no hold-off.
    void reset() {
        was_active_ = false;
        was_audible_ = true;
        hold_off_ = 0;
    }

  private:
    KeyboardState& keys_;
    Input& input_;
    MouseState& mouse_;
    // The window starts as if it had just gained the focus.
    bool was_active_ = false;
    // Sound is taken as audible until the first frame says otherwise.
    bool was_audible_ = true;
    int32_t hold_off_ = 0;
};

// The process-wide step that run_input_step runs, over keyboard_state(),
// input() and mouse_state().
InputStep& input_step();

} // namespace lum
