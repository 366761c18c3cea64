#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// Logical buttons are numbers; bit n of a logical mask stands for button n.
// Number 0 means none and never has a bit of its own.
enum LogicalButton : int32_t {
    BUTTON_NONE = 0,
    BUTTON_LEFT = 1,
    BUTTON_RIGHT = 2,
    BUTTON_UP = 3,
    BUTTON_DOWN = 4,
    BUTTON_A = 5,
    BUTTON_B = 6,
    BUTTON_C = 7,
    BUTTON_X = 8,
    BUTTON_Y = 9,
    BUTTON_Z = 10,
    BUTTON_OK = 11,
    BUTTON_CANCEL = 12,
    BUTTON_CHANGE = 13,
    BUTTON_MENU = 14,
    BUTTON_START = 15,
    BUTTON_SELECT = 16,
    BUTTON_PREV = 17,
    BUTTON_NEXT = 18,
};

// Buttons 1 to NAMED_BUTTON_COUNT have names; a player has PLAYER_BUTTON_COUNT
// records, so masks may carry bits 1 to 21.
inline constexpr int32_t NAMED_BUTTON_COUNT = 18;
inline constexpr int32_t PLAYER_BUTTON_COUNT = 22;

// The name under which the binding files store button n ("Left" for 1); empty
// for numbers without a name.
const char* logical_button_name(int32_t n);

// The number of the button named exactly name (case-sensitive), 0 for any other text.
int32_t logical_button_from_name(const String& name);

} // namespace lum
