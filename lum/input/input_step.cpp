#include "lum/input/input_step.hpp"

#include "lum/platform/keyboard.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

struct SoundHooks {
    void (*pause)() = nullptr;
    void (*resume)() = nullptr;
};

SoundHooks& sound_hooks() {
    static SoundHooks hooks;
    return hooks;
}

void call(void (*hook)()) {
    if (hook)
        hook();
}

} // namespace

void set_sound_focus_hooks(void (*pause)(), void (*resume)()) {
    sound_hooks() = {pause, resume};
}

void InputStep::run(const InputFrame& frame) {
    bool active = platform::window_active();
    bool audible = active && !frame.paused;
    if (audible != was_audible_)
        call(audible ? sound_hooks().resume : sound_hooks().pause);
    was_audible_ = audible;

    bool enabled = !frame.input_off && (active || frame.background_input);

    bool holding_off = true;
    if (active && !was_active_)
        hold_off_ = KEYBOARD_HOLD_OFF;
    else if (hold_off_ > 0)
        --hold_off_;
    else
        holding_off = false;
    was_active_ = active;
    if (!holding_off)
        poll_keyboard(keys_, enabled);
    // Keys the keyboard records do not read now are dropped at the platform
    // too, or its tap latch would deliver them once reading resumes.
    if (holding_off || !enabled) {
        uint8_t dropped[platform::VIRTUAL_KEY_COUNT];
        platform::keyboard_state(dropped);
    }

    update_input(input_, keys_, enabled);
    // A joypad press counts only when made while input is enabled and the
    // keyboard is read, so that a wait for a press ignores the hold-off.
    if (holding_off)
        forget_joypad_presses(input_);
    ScreenView view{frame.screen_width, frame.screen_height,  frame.viewport_left,
                    frame.viewport_top, frame.viewport_width, frame.viewport_height};
    poll_mouse(mouse_, view, enabled);
}

InputStep& input_step() {
    static InputStep step(keyboard_state(), input(), mouse_state());
    return step;
}

void run_input_step(const InputFrame& frame) {
    input_step().run(frame);
}

} // namespace lum
