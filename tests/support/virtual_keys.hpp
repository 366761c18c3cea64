#pragma once

// Windows virtual-key codes the tests press; modifiers are the left-hand keys,
// as a real keyboard reports them.

namespace lum::test {

inline constexpr int VK_BACKSPACE = 0x08;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_Q = 0x51;
inline constexpr int VK_SHIFT = 0xA0;
inline constexpr int VK_LSHIFT = 0xA0;
inline constexpr int VK_RSHIFT = 0xA1;
inline constexpr int VK_CONTROL = 0xA2;
inline constexpr int VK_ALT = 0xA4;

} // namespace lum::test
