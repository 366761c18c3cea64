#pragma once

#include "lum/input/button_state.hpp"
#include "lum/input/key_code.hpp"
#include "lum/input/logical_button.hpp"

#include <array>
#include <cstdint>

namespace lum {

struct KeyboardState;

// Which player slot a physical input serves and which logical buttons it drives.
struct InputBinding {
    // 0 to 9; 10 or more (or below 0) means unbound.
    int32_t player = UNBOUND;
    uint32_t bits = 0;

    static constexpr int32_t UNBOUND = 255;
};

// One player slot: a record per logical button number.
struct PlayerInput {
    std::array<ButtonState, PLAYER_BUTTON_COUNT> buttons{};
    // The lowest button number whose pressed flag was set when the slot was
    // last examined, or 0.
    int32_t last_pressed = 0;
};

// One registered joypad. Axis k gives the physical inputs 2k (below -0.5) and
// 2k + 1 (above 0.5); button j is input 2 * axis_count + j.
struct JoypadState {
    static constexpr int32_t MAX_AXES = 8;
    static constexpr int32_t MAX_INPUTS = 40;

    std::array<float, MAX_AXES> axes{};
    std::array<uint8_t, MAX_INPUTS> previous_states{};
    std::array<uint8_t, MAX_INPUTS> current_states{};
    int32_t button_count = 0;
    int32_t axis_count = 0;
    // button_count + 2 * axis_count, but never more than the MAX_INPUTS stored.
    int32_t physical_count = 0;
    // Bit i is current_states[i].
    uint64_t current_mask = 0;
    int32_t signature = 0;
    int32_t reserved = 0;
    int32_t glfw_id = 0;
    std::array<InputBinding, MAX_INPUTS> bindings{};
};

// The input hub: joypads, player slots and key bindings. Slots 0 to 8 are
// players; slot 9 is the any-player slot, driven by every bound input.
struct Input {
    static constexpr int32_t MAX_JOYPADS = 8;
    static constexpr int32_t PLAYER_COUNT = 10;
    static constexpr int32_t ANY_PLAYER = 9;

    std::array<JoypadState, MAX_JOYPADS> joypads{};
    std::array<PlayerInput, PLAYER_COUNT> players{};
    int32_t joypad_count = 0;
    // The highest bound player number fed in the last enabled frame, plus one.
    int32_t players_in_use = 0;
    // Indexed by key code.
    std::array<InputBinding, KEY_COUNT> key_bindings{};

    // Sets the auto-repeat of every player's button records (see ButtonState).
    void set_repeat(uint8_t delay, uint8_t interval);
};

// The program's input hub, created on first use with every record zero and
// every binding unbound.
Input& input();

// Registers the joypads the platform reports (at most eight, skipping those
// without buttons) in joystick order.
void enumerate_joypads(Input& input);

// The per-frame update: when enabled, reads the joypads and feeds every key and
// every joypad input through its binding (otherwise every logical button reads
// as up), then derives each player's edges and last_pressed.
void update_input(Input& input, const KeyboardState& keys, bool enabled);

} // namespace lum
