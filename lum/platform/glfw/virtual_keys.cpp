#include "lum/platform/glfw/virtual_keys.hpp"

#include <GLFW/glfw3.h>

namespace lum::platform {

namespace {

struct Pair {
    int glfw;
    int vk;
};

// Keys whose codes do not run in step with Windows'.
constexpr Pair SINGLES[] = {
    {GLFW_KEY_SPACE, 0x20},
    {GLFW_KEY_APOSTROPHE, 0xDE},
    {GLFW_KEY_COMMA, 0xBC},
    {GLFW_KEY_MINUS, 0xBD},
    {GLFW_KEY_PERIOD, 0xBE},
    {GLFW_KEY_SLASH, 0xBF},
    {GLFW_KEY_SEMICOLON, 0xBA},
    {GLFW_KEY_EQUAL, 0xBB},
    {GLFW_KEY_LEFT_BRACKET, 0xDB},
    {GLFW_KEY_BACKSLASH, 0xDC},
    {GLFW_KEY_RIGHT_BRACKET, 0xDD},
    {GLFW_KEY_GRAVE_ACCENT, 0xC0},
    {GLFW_KEY_WORLD_1, 0xE2},
    {GLFW_KEY_ESCAPE, 0x1B},
    {GLFW_KEY_ENTER, 0x0D},
    {GLFW_KEY_TAB, 0x09},
    {GLFW_KEY_BACKSPACE, 0x08},
    {GLFW_KEY_INSERT, 0x2D},
    {GLFW_KEY_DELETE, 0x2E},
    {GLFW_KEY_RIGHT, 0x27},
    {GLFW_KEY_LEFT, 0x25},
    {GLFW_KEY_DOWN, 0x28},
    {GLFW_KEY_UP, 0x26},
    {GLFW_KEY_PAGE_UP, 0x21},
    {GLFW_KEY_PAGE_DOWN, 0x22},
    {GLFW_KEY_HOME, 0x24},
    {GLFW_KEY_END, 0x23},
    {GLFW_KEY_CAPS_LOCK, 0x14},
    {GLFW_KEY_SCROLL_LOCK, 0x91},
    {GLFW_KEY_NUM_LOCK, 0x90},
    {GLFW_KEY_PRINT_SCREEN, 0x2C},
    {GLFW_KEY_PAUSE, 0x13},
    {GLFW_KEY_KP_DECIMAL, 0x6E},
    {GLFW_KEY_KP_DIVIDE, 0x6F},
    {GLFW_KEY_KP_MULTIPLY, 0x6A},
    {GLFW_KEY_KP_SUBTRACT, 0x6D},
    {GLFW_KEY_KP_ADD, 0x6B},
    // Windows reports the keypad's Enter as Return.
    {GLFW_KEY_KP_ENTER, 0x0D},
    {GLFW_KEY_LEFT_SHIFT, 0xA0},
    {GLFW_KEY_LEFT_CONTROL, 0xA2},
    {GLFW_KEY_LEFT_ALT, 0xA4},
    {GLFW_KEY_LEFT_SUPER, 0x5B},
    {GLFW_KEY_RIGHT_SHIFT, 0xA1},
    {GLFW_KEY_RIGHT_CONTROL, 0xA3},
    {GLFW_KEY_RIGHT_ALT, 0xA5},
    {GLFW_KEY_RIGHT_SUPER, 0x5C},
    {GLFW_KEY_MENU, 0x5D},
};

} // namespace

int virtual_key_of_glfw_key(int key) {
    if (key >= GLFW_KEY_0 && key <= GLFW_KEY_9)
        return 0x30 + (key - GLFW_KEY_0);
    if (key >= GLFW_KEY_A && key <= GLFW_KEY_Z)
        return 0x41 + (key - GLFW_KEY_A);
    // Windows has F1 to F24; GLFW's F25 has no code.
    if (key >= GLFW_KEY_F1 && key <= GLFW_KEY_F24)
        return 0x70 + (key - GLFW_KEY_F1);
    if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_9)
        return 0x60 + (key - GLFW_KEY_KP_0);
    for (const Pair& p : SINGLES)
        if (p.glfw == key)
            return p.vk;
    return 0;
}

} // namespace lum::platform
