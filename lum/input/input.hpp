#pragma once

#include "lum/input/button_state.hpp"
#include "lum/input/key_code.hpp"
#include "lum/input/logical_button.hpp"
#include "lum/text/string.hpp"

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

// A pad's inputs as the platform reports them: its axes, its real buttons and
// its hats (whose four buttons each follow the real ones). A value the joypad
// document gave that is not a whole number is kept as -1.
struct JoypadLayout {
    // False when neither the platform nor the document gave one.
    bool known = false;
    int64_t axes = 0;
    int64_t buttons = 0;
    int64_t hats = 0;
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

    // The slot's pad is plugged in now. A pad that leaves keeps its slot, its
    // identity and its bindings, and its inputs read as up until it returns.
    bool connected = false;
    // A pad has had the slot in this run, so no other pad takes it.
    bool claimed = false;
    // The identity of the slot's pad, as the platform reports it or as the
    // joypad document records it; an empty guid means none.
    String guid;
    String name;
    // The layout of the slot's pad, as the platform reports it or as the
    // joypad document records it.
    JoypadLayout layout;
    // The platform's number for the pad's connection (platform::joystick_connection).
    uint32_t connection = 0;

    // Whether a pad with this GUID and name is the slot's pad.
    bool has_identity(const String& pad_guid, const String& pad_name) const {
        return !guid.empty() && guid == pad_guid && name == pad_name;
    }
};

// The input hub: joypads, player slots and key bindings. Slots 0 to 8 are
// players; slot 9 is the any-player slot, driven by every bound input.
struct Input {
    static constexpr int32_t MAX_JOYPADS = 8;
    static constexpr int32_t PLAYER_COUNT = 10;
    static constexpr int32_t ANY_PLAYER = 9;

    // Joystick numbers the registration looks at.
    static constexpr int32_t JOYSTICK_IDS = 16;

    std::array<JoypadState, MAX_JOYPADS> joypads{};
    std::array<PlayerInput, PLAYER_COUNT> players{};
    // The joypads connected now (all registered ones until a pad leaves).
    int32_t joypad_count = 0;
    // The highest bound player number fed in the last enabled frame, plus one.
    int32_t players_in_use = 0;
    // Indexed by key code.
    std::array<InputBinding, KEY_COUNT> key_bindings{};
    // The connection number last seen for each joystick, so that each
    // connect and disconnect is handled once.
    std::array<uint32_t, JOYSTICK_IDS> seen_connections{};

    // Sets the auto-repeat of every player's button records (see ButtonState).
    void set_repeat(uint8_t delay, uint8_t interval);
};

// The program's input hub, created on first use with every record zero and
// every binding unbound.
Input& input();

// Registers the joypads connected now (at most eight, skipping those without
// buttons) in joystick order: first each pad whose GUID and name equal a slot's
// recorded identity takes the first such free slot, then the others take the
// lowest free slots. Without recorded identities that is slot p for the p-th
// pad. Every slot's pad is forgotten first; recorded identities stay.
void enumerate_joypads(Input& input);

// Makes the joypad presses read in this frame not count: each registered
// joypad's previous states become its current ones.
void forget_joypad_presses(Input& input);

// The per-frame update: registers joysticks that connected since the last
// frame and lets go of those that left; reads the connected joypads; when
// enabled, feeds every key and joypad input through its binding (otherwise
// every logical button reads as up and the joypads' presses do not count);
// then derives each player's edges and last_pressed.
void update_input(Input& input, const KeyboardState& keys, bool enabled);

} // namespace lum
