#include "lum/input/input.hpp"

#include "lum/input/keyboard_state.hpp"
#include "lum/platform/joystick.hpp"

#include <algorithm>
#include <cstring>

namespace lum {

namespace {

// Joystick numbers the registration looks at.
constexpr int32_t JOYSTICK_IDS = 15;
// The largest reads of one joypad; the values beyond the stored inputs are dropped.
constexpr int32_t AXIS_READ = 16;
constexpr int32_t BUTTON_READ = 32;
// The logical bits that have a record: 1 to 21.
constexpr uint32_t RECORD_BITS = ((1u << PLAYER_BUTTON_COUNT) - 1) & ~1u;

bool bound(const InputBinding& binding) {
    return static_cast<uint32_t>(binding.player) < static_cast<uint32_t>(Input::PLAYER_COUNT);
}

// What the bound inputs hold in one frame: the logical buttons per player
// slot, and the highest bound player. The whole frame's feeds are gathered
// first, so each record then runs its frame in one pass; the result is that of
// holding each record as each input is fed.
struct Feeds {
    std::array<uint32_t, Input::PLAYER_COUNT> held{};
    int32_t players_in_use = 0;

    // Feeds one physical state through its binding: an unbound binding does
    // nothing; a bound one counts its player as in use and, when state is set,
    // holds its logical buttons. A state of 0 clears nothing, so inputs bound
    // to one button combine as a logical OR.
    void feed(bool state, const InputBinding& binding) {
        if (!bound(binding))
            return;
        players_in_use = std::max(players_in_use, binding.player + 1);
        held[binding.player] |= state ? binding.bits : 0u;
    }
};

// Runs the frame of every record of a player with the buttons of held down;
// last_pressed comes from the pressed flags the previous frame left.
void step_player(PlayerInput& player, uint32_t held) {
    int32_t last_pressed = 0;
    for (int32_t n = 0; n < PLAYER_BUTTON_COUNT; ++n) {
        ButtonState& b = player.buttons[n];
        if (b.pressed && last_pressed == 0)
            last_pressed = n;
        b.step(((held >> n) & 1u) != 0);
    }
    player.last_pressed = last_pressed;
}

// Bit i of the result is byte i of eight bytes that each hold 0 or 1.
uint64_t gather_bits(const uint8_t* bytes) {
    uint64_t x = 0;
    std::memcpy(&x, bytes, sizeof x);
    return (x * 0x0102040810204080ull) >> 56;
}

// Reads a joypad's axes and buttons into its states, feeding nothing.
void read_joypad(JoypadState& pad) {
    uint8_t* states = pad.current_states.data();
    std::copy_n(states, pad.physical_count, pad.previous_states.begin());
    pad.axes.fill(0.0f);
    pad.current_states.fill(0);

    float values[AXIS_READ] = {};
    int32_t axes = std::min(pad.axis_count, AXIS_READ);
    platform::read_joystick_axes(pad.glfw_id, values, axes);
    for (int32_t k = 0; k < axes; ++k) {
        if (k < JoypadState::MAX_AXES)
            pad.axes[k] = values[k];
        if (2 * k + 1 < JoypadState::MAX_INPUTS) {
            states[2 * k] = values[k] < -0.5f;
            states[2 * k + 1] = values[k] > 0.5f;
        }
    }

    uint8_t buttons[BUTTON_READ] = {};
    int32_t first = 2 * pad.axis_count;
    int32_t count = std::min(pad.button_count, BUTTON_READ);
    platform::read_joystick_buttons(pad.glfw_id, buttons, count);
    count = std::min(count, JoypadState::MAX_INPUTS - first);
    for (int32_t j = 0; j < count; ++j)
        states[first + j] = buttons[j] != 0;

    static_assert(JoypadState::MAX_INPUTS % 8 == 0);
    uint64_t mask = 0;
    for (int32_t i = 0; i < JoypadState::MAX_INPUTS; i += 8)
        mask |= gather_bits(states + i) << i;
    pad.current_mask = mask;
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

void update_input(Input& input, const KeyboardState& keys, bool enabled) {
    Feeds feeds;
    if (enabled) {
        for (int32_t code = 0; code < KEY_COUNT; ++code)
            feeds.feed(keys.keys[code].down != 0, input.key_bindings[code]);
        for (int32_t p = 0; p < input.joypad_count; ++p) {
            JoypadState& pad = input.joypads[p];
            read_joypad(pad);
            for (int32_t i = 0; i < pad.physical_count; ++i)
                feeds.feed(pad.current_states[i] != 0, pad.bindings[i]);
        }
        // Every bound input also drives the any-player slot.
        for (int32_t p = 0; p < Input::ANY_PLAYER; ++p)
            feeds.held[Input::ANY_PLAYER] |= feeds.held[p];
        input.players_in_use = feeds.players_in_use;
    }
    const auto& held = feeds.held;
    for (int32_t p = 0; p < Input::PLAYER_COUNT; ++p)
        step_player(input.players[p], held[p] & RECORD_BITS);
    PlayerInput& any = input.players[Input::ANY_PLAYER];
    for (int32_t p = 0; p < Input::ANY_PLAYER; ++p) {
        if (input.players[p].last_pressed != 0) {
            any.last_pressed = input.players[p].last_pressed;
            break;
        }
    }
}

} // namespace lum
