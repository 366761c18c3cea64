#pragma once

#include "lum/input/button_state.hpp"
#include "lum/input/key_code.hpp"

#include <array>
#include <cstdint>

namespace lum {

// Bits of KeyboardState::modifiers.
enum KeyModifier : uint32_t {
    MODIFIER_SHIFT = 1,
    MODIFIER_CONTROL = 2,
    MODIFIER_COMMAND = 4,
    MODIFIER_OPTION = 8,
};

// The keyboard across frames: one record per key code.
struct KeyboardState {
    std::array<ButtonState, KEY_COUNT> keys{};
    // The lowest key code whose pressed flag was set when last examined, or 0.
    int32_t last_key = 0;
    // KeyModifier bits of the side-independent modifiers held now.
    uint32_t modifiers = 0;
    // The punctuation layout; 0, so punctuation keys give no codes.
    int32_t layout = 0;

    // Sets the auto-repeat of every key record (see ButtonState).
    void set_repeat(uint8_t delay, uint8_t interval);
};

// The program's keyboard records, created zeroed on first use.
KeyboardState& keyboard_state();

// Reads the keyboard for one frame. Disabled, nothing is read, so every key
// reads as up (and as released if it was down). With Shift held, a letter
// whose key was pressed last frame also holds its upper-case code for a frame.
void poll_keyboard(KeyboardState& keys, bool enabled);

} // namespace lum
