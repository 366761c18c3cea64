#pragma once

#include <cstdint>

namespace lum::platform {

// The keyboard as 256 bytes indexed by Windows virtual-key code (named in
// virtual_key.hpp), 0x80 set while the key is down (the layout of
// GetKeyboardState).
inline constexpr int VIRTUAL_KEY_COUNT = 256;
inline constexpr uint8_t KEY_DOWN_BIT = 0x80;

// Fills state with the keys down now, plus every key that went down and up
// again since the previous call, so a tap shorter than a frame is not lost.
// The generic Shift, Control and Alt codes (VK_SHIFT, VK_CONTROL, VK_MENU) are
// down when either of their sided keys is.
void keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]);

} // namespace lum::platform
