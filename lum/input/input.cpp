#include "lum/input/input.hpp"

#include "lum/input/keyboard_state.hpp"
#include "lum/platform/joystick.hpp"

#include <algorithm>
#include <bit>

namespace lum {

namespace {

// Joystick numbers the registration looks at.
constexpr int32_t JOYSTICK_IDS = 15;
// The largest reads of one joypad; the values beyond the stored inputs are dropped.
constexpr int32_t AXIS_READ = 16;
constexpr int32_t BUTTON_READ = 32;

void begin_frame(PlayerInput& player) {
    for (ButtonState& b : player.buttons)
        b.begin_frame();
}

// The lowest button number whose pressed flag the previous frame left set, or 0.
int32_t lowest_pressed(const PlayerInput& player) {
    for (int32_t n = 0; n < PLAYER_BUTTON_COUNT; ++n) {
        if (player.buttons[n].pressed)
            return n;
    }
    return 0;
}

void finish_frame(PlayerInput& player) {
    player.last_pressed = lowest_pressed(player);
    for (ButtonState& b : player.buttons)
        b.finish_frame();
}

void poll_joypad(Input& input, JoypadState& pad) {
    int32_t count = pad.physical_count;
    std::copy_n(pad.current_states.begin(), count, pad.previous_states.begin());
    pad.axes.fill(0.0f);
    pad.current_states.fill(0);

    float values[AXIS_READ] = {};
    int32_t axes = std::min(pad.axis_count, AXIS_READ);
    platform::read_joystick_axes(pad.glfw_id, values, axes);
    for (int32_t k = 0; k < axes; ++k) {
        if (k < JoypadState::MAX_AXES)
            pad.axes[k] = values[k];
        if (2 * k + 1 < JoypadState::MAX_INPUTS) {
            pad.current_states[2 * k] = values[k] < -0.5f;
            pad.current_states[2 * k + 1] = values[k] > 0.5f;
        }
    }

    uint8_t states[BUTTON_READ] = {};
    int32_t buttons = std::min(pad.button_count, BUTTON_READ);
    platform::read_joystick_buttons(pad.glfw_id, states, buttons);
    for (int32_t j = 0; j < buttons; ++j) {
        int32_t i = 2 * pad.axis_count + j;
        if (i < JoypadState::MAX_INPUTS)
            pad.current_states[i] = states[j] != 0;
    }

    uint64_t mask = 0;
    for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i)
        mask |= static_cast<uint64_t>(pad.current_states[i]) << i;
    pad.current_mask = mask;

    for (int32_t i = 0; i < count; ++i)
        feed_binding(input, pad.current_states[i] != 0, pad.bindings[i]);
}

} // namespace

void Input::set_repeat(uint8_t delay, uint8_t interval) {
    for (PlayerInput& player : players) {
        for (ButtonState& b : player.buttons)
            b.set_repeat(delay, interval);
    }
}

Input& input() {
    static Input hub;
    return hub;
}

void enumerate_joypads(Input& input) {
    input.joypad_count = 0;
    for (int32_t id = 0; id < JOYSTICK_IDS && input.joypad_count < Input::MAX_JOYPADS; ++id) {
        int32_t buttons = platform::joystick_button_count(id);
        if (buttons == 0)
            continue;
        JoypadState& pad = input.joypads[input.joypad_count++];
        pad.glfw_id = id;
        pad.button_count = buttons;
        pad.axis_count = platform::joystick_axis_count(id);
        pad.physical_count = std::min(pad.button_count + 2 * pad.axis_count, JoypadState::MAX_INPUTS);
        pad.signature = pad.axis_count * 100 + pad.button_count;
        pad.reserved = 0;
    }
}

void feed_binding(Input& input, bool state, const InputBinding& binding) {
    if (binding.player < 0 || binding.player >= Input::PLAYER_COUNT)
        return;
    input.players_in_use = std::max(input.players_in_use, binding.player + 1);
    if (!state)
        return;
    PlayerInput& player = input.players[binding.player];
    PlayerInput& any = input.players[Input::ANY_PLAYER];
    for (uint32_t bits = binding.bits & ~1u; bits != 0; bits &= bits - 1) {
        int32_t n = std::countr_zero(bits);
        if (n >= PLAYER_BUTTON_COUNT)
            break;
        player.buttons[n].hold();
        any.buttons[n].hold();
    }
}

void poll_joypads(Input& input) {
    for (int32_t p = 0; p < input.joypad_count; ++p)
        poll_joypad(input, input.joypads[p]);
}

void update_input(Input& input, const KeyboardState& keys, bool enabled) {
    for (PlayerInput& player : input.players)
        begin_frame(player);
    if (enabled) {
        input.players_in_use = 0;
        for (int32_t code = 0; code < KEY_COUNT; ++code)
            feed_binding(input, keys.keys[code].down != 0, input.key_bindings[code]);
        poll_joypads(input);
    }
    for (PlayerInput& player : input.players)
        finish_frame(player);
    PlayerInput& any = input.players[Input::ANY_PLAYER];
    for (int32_t p = 0; p < Input::ANY_PLAYER; ++p) {
        if (input.players[p].last_pressed != 0) {
            any.last_pressed = input.players[p].last_pressed;
            break;
        }
    }
}

} // namespace lum
