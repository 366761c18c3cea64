#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// The engine's key codes, independent of the operating system. Codes 0 to 127
// follow ASCII where a key types an ASCII character: the digits are '0' to '9'
// and the letters 'A' to 'Z' and 'a' to 'z', which have no names below. Codes
// 28 to 31 are the side-independent modifiers.
enum KeyCode : int32_t {
    KEY_NONE = 0,
    KEY_UP = 1,
    KEY_LEFT = 2,
    KEY_RIGHT = 3,
    KEY_DOWN = 4,
    KEY_PAGE_UP = 5,
    KEY_PAGE_DOWN = 6,
    KEY_POWER = 7,
    KEY_BACKSPACE = 8,
    KEY_TAB = 9,
    KEY_RETURN = 10,
    KEY_INSERT = 11,
    KEY_HOME = 12,
    KEY_END = 13,
    KEY_FN = 14,
    KEY_CAPS = 15,
    KEY_NUMLOCK = 16,
    KEY_KANA = 17,
    KEY_KANJI = 18,
    KEY_ZENHAN = 19,
    KEY_CONVERT = 20,
    KEY_NO_CONVERT = 21,
    KEY_SYS_REQ = 22,
    KEY_PRINT = 23,
    KEY_SCROLL_LOCK = 24,
    KEY_PAUSE = 25,
    KEY_WIN_APP = 26,
    KEY_ESCAPE = 27,
    KEY_SHIFT = 28,
    KEY_CONTROL = 29,
    KEY_COMMAND = 30,
    KEY_OPTION = 31,
    KEY_SPACE = 32,
    KEY_EXCLAMATION = 33,
    KEY_DOUBLE_QUOTE = 34,
    KEY_NUMBER = 35,
    KEY_DOLLAR = 36,
    KEY_PERCENT = 37,
    KEY_AMPERSAND = 38,
    KEY_QUOTE = 39,
    KEY_OPEN_PAREN = 40,
    KEY_CLOSE_PAREN = 41,
    KEY_ASTERISK = 42,
    KEY_PLUS = 43,
    KEY_COMMA = 44,
    KEY_MINUS = 45,
    KEY_PERIOD = 46,
    KEY_SLASH = 47,
    KEY_COLON = 58,
    KEY_SEMI_COLON = 59,
    KEY_LESSER = 60,
    KEY_EQUALS = 61,
    KEY_GREATER = 62,
    KEY_QUESTION = 63,
    KEY_AT = 64,
    KEY_OPEN_BRACKET = 91,
    KEY_BACK_SLASH = 92,
    KEY_CLOSE_BRACKET = 93,
    KEY_CARET = 94,
    KEY_UNDERSCORE = 95,
    KEY_BACK_QUOTE = 96,
    KEY_OPEN_BRACE = 123,
    KEY_PIPE = 124,
    KEY_CLOSE_BRACE = 125,
    KEY_TILDE = 126,
    KEY_DELETE = 127,
    KEY_F1 = 128,
    KEY_F2 = 129,
    KEY_F3 = 130,
    KEY_F4 = 131,
    KEY_F5 = 132,
    KEY_F6 = 133,
    KEY_F7 = 134,
    KEY_F8 = 135,
    KEY_F9 = 136,
    KEY_F10 = 137,
    KEY_F11 = 138,
    KEY_F12 = 139,
    KEY_F13 = 140,
    KEY_F14 = 141,
    KEY_F15 = 142,
    KEY_F16 = 143,
    KEY_F17 = 144,
    KEY_F18 = 145,
    KEY_F19 = 146,
    KEY_F20 = 147,
    KEY_L_SHIFT = 148,
    KEY_R_SHIFT = 149,
    KEY_L_CONTROL = 150,
    KEY_R_CONTROL = 151,
    KEY_L_COMMAND = 152,
    KEY_R_COMMAND = 153,
    KEY_L_OPTION = 154,
    KEY_R_OPTION = 155,
    KEY_NUM_0 = 156,
    KEY_NUM_1 = 157,
    KEY_NUM_2 = 158,
    KEY_NUM_3 = 159,
    KEY_NUM_4 = 160,
    KEY_NUM_5 = 161,
    KEY_NUM_6 = 162,
    KEY_NUM_7 = 163,
    KEY_NUM_8 = 164,
    KEY_NUM_9 = 165,
    KEY_NUM_PERIOD = 166,
    KEY_NUM_ADD = 167,
    KEY_NUM_SUB = 168,
    KEY_NUM_MUL = 169,
    KEY_NUM_DIV = 170,
    KEY_NUM_EQUALS = 171,
    KEY_NUM_ENTER = 172,
    KEY_CLEAR = 173,
    KEY_COUNT = 174,
};

// The key's name ("Return", "F13", "a" for 97); "underflow" for a negative
// code and "overflow" for KEY_COUNT or more.
String key_name(int32_t code);

// The key's short name ("Ret", "Lt"), which is its name for keys without one;
// "underflow" and "overflow" as key_name.
String key_short_name(int32_t code);

// The code of the key whose name or short name is exactly name; 0 when none
// is. A text several keys bear names the highest of them ("Shift" gives
// KEY_R_SHIFT).
int32_t key_code_from_name(const String& name);

} // namespace lum
