#include "lum/input/input.hpp"

#include "lum/input/keyboard_state.hpp"
#include "lum/platform/joystick.hpp"

#include <algorithm>
#include <cstring>

namespace lum {

namespace {

static_assert(Input::JOYSTICK_IDS == platform::JOYSTICK_COUNT);
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

// Every input of the pad reads as up from now on; the previous states keep
// what the last frame read, so a held input reads as released once.
void release_joypad(JoypadState& pad) {
    std::copy_n(pad.current_states.begin(), JoypadState::MAX_INPUTS, pad.previous_states.begin());
    pad.current_states.fill(0);
    pad.axes.fill(0.0f);
    pad.current_mask = 0;
}

// Puts joystick id's pad into the slot, connected, every input up.
void attach_joypad(JoypadState& pad, int32_t id, int32_t buttons, uint32_t connection) {
    pad.glfw_id = id;
    pad.button_count = buttons;
    pad.axis_count = platform::joystick_axis_count(id);
    pad.physical_count = std::min(pad.button_count + 2 * pad.axis_count, JoypadState::MAX_INPUTS);
    pad.signature = pad.axis_count * 100 + pad.button_count;
    pad.reserved = 0;
    pad.guid = platform::joystick_guid(id);
    pad.name = platform::joystick_name(id);
    int32_t hats = platform::joystick_hat_count(id);
    pad.layout = {true, pad.axis_count, std::max(0, buttons - 4 * hats), hats};
    pad.connection = connection;
    pad.connected = true;
    pad.claimed = true;
    pad.previous_states.fill(0);
    release_joypad(pad);
}

// The first slot without a pad whose recorded identity is guid and name, or -1.
int32_t slot_of_identity(const Input& input, const String& guid, const String& name) {
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        const JoypadState& pad = input.joypads[p];
        if (!pad.connected && pad.has_identity(guid, name))
            return p;
    }
    return -1;
}

// The lowest slot that no pad has had in this run, or -1.
int32_t lowest_free_slot(const Input& input) {
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        if (!input.joypads[p].claimed)
            return p;
    }
    return -1;
}

void count_connected(Input& input) {
    input.joypad_count = 0;
    for (const JoypadState& pad : input.joypads)
        input.joypad_count += pad.connected ? 1 : 0;
}

// Registers joystick id, which connected after start, into the slot its
// identity claims, else the lowest free one; a pad without buttons, or with
// every slot taken, is not registered.
void join_joypad(Input& input, int32_t id, uint32_t connection) {
    int32_t buttons = platform::joystick_button_count(id);
    if (buttons == 0)
        return;
    int32_t slot = slot_of_identity(input, platform::joystick_guid(id), platform::joystick_name(id));
    if (slot < 0)
        slot = lowest_free_slot(input);
    if (slot >= 0)
        attach_joypad(input.joypads[slot], id, buttons, connection);
}

// The pad of joystick id left: its slot keeps the pad's identity and bindings.
void leave_joypad(Input& input, int32_t id) {
    for (JoypadState& pad : input.joypads) {
        if (pad.connected && pad.glfw_id == id) {
            pad.connected = false;
            release_joypad(pad);
        }
    }
}

// Handles the joysticks that connected or left since the last frame. A pad
// replaced by another between two frames has a new connection number, so it
// leaves and the other joins.
void update_connections(Input& input) {
    bool changed = false;
    for (int32_t id = 0; id < Input::JOYSTICK_IDS; ++id) {
        uint32_t connection = platform::joystick_connection(id);
        uint32_t& seen = input.seen_connections[id];
        if (connection == seen)
            continue;
        if (seen != 0)
            leave_joypad(input, id);
        seen = connection;
        if (connection != 0)
            join_joypad(input, id, connection);
        changed = true;
    }
    if (changed)
        count_connected(input);
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
    for (JoypadState& pad : input.joypads) {
        pad.connected = false;
        pad.claimed = false;
        pad.connection = 0;
    }
    input.seen_connections.fill(0);

    // The first eight joysticks with buttons, in joystick order.
    struct Joystick {
        int32_t id;
        int32_t buttons;
        uint32_t connection;
        String guid;
        String name;
        bool placed;
    };
    std::array<Joystick, Input::MAX_JOYPADS> found;
    int32_t count = 0;
    for (int32_t id = 0; id < Input::JOYSTICK_IDS; ++id) {
        uint32_t connection = platform::joystick_connection(id);
        input.seen_connections[id] = connection;
        int32_t buttons = platform::joystick_button_count(id);
        if (buttons == 0 || count == Input::MAX_JOYPADS)
            continue;
        found[count++] = {id,   buttons, connection, platform::joystick_guid(id), platform::joystick_name(id),
                          false};
    }
    // Pads known by their identity first, so that no other pad takes their slots.
    for (int32_t k = 0; k < count; ++k) {
        Joystick& j = found[k];
        int32_t slot = slot_of_identity(input, j.guid, j.name);
        if (slot < 0)
            continue;
        attach_joypad(input.joypads[slot], j.id, j.buttons, j.connection);
        j.placed = true;
    }
    for (int32_t k = 0; k < count; ++k) {
        const Joystick& j = found[k];
        if (!j.placed)
            attach_joypad(input.joypads[lowest_free_slot(input)], j.id, j.buttons, j.connection);
    }
    count_connected(input);
}

void forget_joypad_presses(Input& input) {
    for (JoypadState& pad : input.joypads)
        std::copy_n(pad.current_states.begin(), JoypadState::MAX_INPUTS, pad.previous_states.begin());
}

void update_input(Input& input, const KeyboardState& keys, bool enabled) {
    update_connections(input);
    // The joypads are read even while input is disabled, so that a press made
    // then is not taken for a new one once input is enabled again.
    for (JoypadState& pad : input.joypads) {
        if (pad.connected)
            read_joypad(pad);
        else
            release_joypad(pad);
    }
    Feeds feeds;
    if (!enabled)
        forget_joypad_presses(input);
    if (enabled) {
        for (int32_t code = 0; code < KEY_COUNT; ++code)
            feeds.feed(keys.keys[code].down != 0, input.key_bindings[code]);
        for (const JoypadState& pad : input.joypads) {
            if (!pad.connected)
                continue;
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
