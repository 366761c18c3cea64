#pragma once

namespace lum::platform {

// The Windows virtual-key code of a GLFW key code (GLFW_KEY_ENTER -> 0x0D,
// GLFW_KEY_A -> 0x41, left Alt -> 0xA4); 0 for keys without one.
int virtual_key_of_glfw_key(int glfw_key);

} // namespace lum::platform
