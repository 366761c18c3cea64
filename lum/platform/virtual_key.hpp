#pragma once

// Windows' virtual-key codes, the indices of the keyboard state (keyboard.hpp).
// Every layer names a key by these: the backends fill the state with them and
// the engine's keyboard reads it by them. Names follow Windows' VK_ names, with
// an underscore where Windows runs two words together (VK_LSHIFT is
// VK_L_SHIFT). Runs that Windows numbers in order (digits, letters, keypad
// digits, function keys) stay in order here, so code may count along them.

namespace lum::platform {

inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_CLEAR = 0x0C;
inline constexpr int VK_RETURN = 0x0D;
// The side-independent modifiers: down while either sided key is.
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
// Alt.
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_PAUSE = 0x13;
// Caps Lock.
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
// Page Up and Page Down.
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
// Print Screen.
inline constexpr int VK_SNAPSHOT = 0x2C;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_HELP = 0x2F;

// The digit keys and the letter keys carry their ASCII codes (upper case).
inline constexpr int VK_0 = 0x30;
inline constexpr int VK_1 = 0x31;
inline constexpr int VK_2 = 0x32;
inline constexpr int VK_3 = 0x33;
inline constexpr int VK_4 = 0x34;
inline constexpr int VK_5 = 0x35;
inline constexpr int VK_6 = 0x36;
inline constexpr int VK_7 = 0x37;
inline constexpr int VK_8 = 0x38;
inline constexpr int VK_9 = 0x39;
inline constexpr int VK_A = 0x41;
inline constexpr int VK_B = 0x42;
inline constexpr int VK_C = 0x43;
inline constexpr int VK_D = 0x44;
inline constexpr int VK_E = 0x45;
inline constexpr int VK_F = 0x46;
inline constexpr int VK_G = 0x47;
inline constexpr int VK_H = 0x48;
inline constexpr int VK_I = 0x49;
inline constexpr int VK_J = 0x4A;
inline constexpr int VK_K = 0x4B;
inline constexpr int VK_L = 0x4C;
inline constexpr int VK_M = 0x4D;
inline constexpr int VK_N = 0x4E;
inline constexpr int VK_O = 0x4F;
inline constexpr int VK_P = 0x50;
inline constexpr int VK_Q = 0x51;
inline constexpr int VK_R = 0x52;
inline constexpr int VK_S = 0x53;
inline constexpr int VK_T = 0x54;
inline constexpr int VK_U = 0x55;
inline constexpr int VK_V = 0x56;
inline constexpr int VK_W = 0x57;
inline constexpr int VK_X = 0x58;
inline constexpr int VK_Y = 0x59;
inline constexpr int VK_Z = 0x5A;

// The Windows keys and the Applications (menu) key.
inline constexpr int VK_L_WIN = 0x5B;
inline constexpr int VK_R_WIN = 0x5C;
inline constexpr int VK_APPS = 0x5D;

// The keypad.
inline constexpr int VK_NUMPAD_0 = 0x60;
inline constexpr int VK_NUMPAD_1 = 0x61;
inline constexpr int VK_NUMPAD_2 = 0x62;
inline constexpr int VK_NUMPAD_3 = 0x63;
inline constexpr int VK_NUMPAD_4 = 0x64;
inline constexpr int VK_NUMPAD_5 = 0x65;
inline constexpr int VK_NUMPAD_6 = 0x66;
inline constexpr int VK_NUMPAD_7 = 0x67;
inline constexpr int VK_NUMPAD_8 = 0x68;
inline constexpr int VK_NUMPAD_9 = 0x69;
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;

inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F2 = 0x71;
inline constexpr int VK_F3 = 0x72;
inline constexpr int VK_F4 = 0x73;
inline constexpr int VK_F5 = 0x74;
inline constexpr int VK_F6 = 0x75;
inline constexpr int VK_F7 = 0x76;
inline constexpr int VK_F8 = 0x77;
inline constexpr int VK_F9 = 0x78;
inline constexpr int VK_F10 = 0x79;
inline constexpr int VK_F11 = 0x7A;
inline constexpr int VK_F12 = 0x7B;
inline constexpr int VK_F13 = 0x7C;
inline constexpr int VK_F14 = 0x7D;
inline constexpr int VK_F15 = 0x7E;
inline constexpr int VK_F16 = 0x7F;
inline constexpr int VK_F17 = 0x80;
inline constexpr int VK_F18 = 0x81;
inline constexpr int VK_F19 = 0x82;
inline constexpr int VK_F20 = 0x83;
inline constexpr int VK_F21 = 0x84;
inline constexpr int VK_F22 = 0x85;
inline constexpr int VK_F23 = 0x86;
inline constexpr int VK_F24 = 0x87;

inline constexpr int VK_NUM_LOCK = 0x90;
// Scroll Lock.
inline constexpr int VK_SCROLL = 0x91;

// The sided modifiers, as a keyboard reports them; Alt is "menu".
inline constexpr int VK_L_SHIFT = 0xA0;
inline constexpr int VK_R_SHIFT = 0xA1;
inline constexpr int VK_L_CONTROL = 0xA2;
inline constexpr int VK_R_CONTROL = 0xA3;
inline constexpr int VK_L_MENU = 0xA4;
inline constexpr int VK_R_MENU = 0xA5;

// The punctuation keys, named by their place on a US keyboard.
inline constexpr int VK_OEM_1 = 0xBA; // ; and :
inline constexpr int VK_OEM_PLUS = 0xBB;
inline constexpr int VK_OEM_COMMA = 0xBC;
inline constexpr int VK_OEM_MINUS = 0xBD;
inline constexpr int VK_OEM_PERIOD = 0xBE;
inline constexpr int VK_OEM_2 = 0xBF; // / and ?
inline constexpr int VK_OEM_3 = 0xC0; // ` and ~
inline constexpr int VK_OEM_4 = 0xDB; // [ and {
inline constexpr int VK_OEM_5 = 0xDC; // backslash and |
inline constexpr int VK_OEM_6 = 0xDD; // ] and }
inline constexpr int VK_OEM_7 = 0xDE; // ' and "
// The extra key beside left Shift on 102-key keyboards.
inline constexpr int VK_OEM_102 = 0xE2;

// The key an input method reports while it takes a keystroke.
inline constexpr int VK_PROCESS_KEY = 0xE5;

} // namespace lum::platform
