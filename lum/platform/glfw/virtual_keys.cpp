#include "lum/platform/glfw/virtual_keys.hpp"

#include "lum/platform/virtual_key.hpp"

#include <GLFW/glfw3.h>

namespace lum::platform {

namespace {

struct Pair {
    int glfw;
    int vk;
};

// Keys whose codes do not run in step with Windows'.
constexpr Pair SINGLES[] = {
    {GLFW_KEY_SPACE, VK_SPACE},
    {GLFW_KEY_APOSTROPHE, VK_OEM_7},
    {GLFW_KEY_COMMA, VK_OEM_COMMA},
    {GLFW_KEY_MINUS, VK_OEM_MINUS},
    {GLFW_KEY_PERIOD, VK_OEM_PERIOD},
    {GLFW_KEY_SLASH, VK_OEM_2},
    {GLFW_KEY_SEMICOLON, VK_OEM_1},
    {GLFW_KEY_EQUAL, VK_OEM_PLUS},
    {GLFW_KEY_LEFT_BRACKET, VK_OEM_4},
    {GLFW_KEY_BACKSLASH, VK_OEM_5},
    {GLFW_KEY_RIGHT_BRACKET, VK_OEM_6},
    {GLFW_KEY_GRAVE_ACCENT, VK_OEM_3},
    {GLFW_KEY_WORLD_1, VK_OEM_102},
    {GLFW_KEY_ESCAPE, VK_ESCAPE},
    {GLFW_KEY_ENTER, VK_RETURN},
    {GLFW_KEY_TAB, VK_TAB},
    {GLFW_KEY_BACKSPACE, VK_BACK},
    {GLFW_KEY_INSERT, VK_INSERT},
    {GLFW_KEY_DELETE, VK_DELETE},
    {GLFW_KEY_RIGHT, VK_RIGHT},
    {GLFW_KEY_LEFT, VK_LEFT},
    {GLFW_KEY_DOWN, VK_DOWN},
    {GLFW_KEY_UP, VK_UP},
    {GLFW_KEY_PAGE_UP, VK_PRIOR},
    {GLFW_KEY_PAGE_DOWN, VK_NEXT},
    {GLFW_KEY_HOME, VK_HOME},
    {GLFW_KEY_END, VK_END},
    {GLFW_KEY_CAPS_LOCK, VK_CAPITAL},
    {GLFW_KEY_SCROLL_LOCK, VK_SCROLL},
    {GLFW_KEY_NUM_LOCK, VK_NUM_LOCK},
    {GLFW_KEY_PRINT_SCREEN, VK_SNAPSHOT},
    {GLFW_KEY_PAUSE, VK_PAUSE},
    {GLFW_KEY_KP_DECIMAL, VK_DECIMAL},
    {GLFW_KEY_KP_DIVIDE, VK_DIVIDE},
    {GLFW_KEY_KP_MULTIPLY, VK_MULTIPLY},
    {GLFW_KEY_KP_SUBTRACT, VK_SUBTRACT},
    {GLFW_KEY_KP_ADD, VK_ADD},
    // Windows reports the keypad's Enter as Return.
    {GLFW_KEY_KP_ENTER, VK_RETURN},
    {GLFW_KEY_LEFT_SHIFT, VK_L_SHIFT},
    {GLFW_KEY_LEFT_CONTROL, VK_L_CONTROL},
    {GLFW_KEY_LEFT_ALT, VK_L_MENU},
    {GLFW_KEY_LEFT_SUPER, VK_L_WIN},
    {GLFW_KEY_RIGHT_SHIFT, VK_R_SHIFT},
    {GLFW_KEY_RIGHT_CONTROL, VK_R_CONTROL},
    {GLFW_KEY_RIGHT_ALT, VK_R_MENU},
    {GLFW_KEY_RIGHT_SUPER, VK_R_WIN},
    {GLFW_KEY_MENU, VK_APPS},
};

} // namespace

int virtual_key_of_glfw_key(int key) {
    if (key >= GLFW_KEY_0 && key <= GLFW_KEY_9)
        return VK_0 + (key - GLFW_KEY_0);
    if (key >= GLFW_KEY_A && key <= GLFW_KEY_Z)
        return VK_A + (key - GLFW_KEY_A);
    // Windows has F1 to F24; GLFW's F25 has no code.
    if (key >= GLFW_KEY_F1 && key <= GLFW_KEY_F24)
        return VK_F1 + (key - GLFW_KEY_F1);
    if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_9)
        return VK_NUMPAD_0 + (key - GLFW_KEY_KP_0);
    for (const Pair& p : SINGLES)
        if (p.glfw == key)
            return p.vk;
    return 0;
}

} // namespace lum::platform
