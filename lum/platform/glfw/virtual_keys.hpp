#pragma once

namespace lum::platform {

// The Windows virtual-key code of a GLFW key code (GLFW_KEY_ENTER -> VK_RETURN,
// GLFW_KEY_A -> VK_A, left Alt -> VK_L_MENU); 0 for keys without one.
int virtual_key_of_glfw_key(int glfw_key);

} // namespace lum::platform
