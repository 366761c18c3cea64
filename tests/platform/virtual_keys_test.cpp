#include "lum/platform/glfw/virtual_keys.hpp"

#include <gtest/gtest.h>

using lum::platform::virtual_key_of_glfw_key;

// GLFW key numbers from GLFW 3's key token list; virtual-key codes from the
// Windows virtual-key code table.
TEST(VirtualKeys, GlfwKeysMapToWindowsCodes) {
    EXPECT_EQ(virtual_key_of_glfw_key(257), 0x0D); // Enter
    EXPECT_EQ(virtual_key_of_glfw_key(65), 0x41);  // A
    EXPECT_EQ(virtual_key_of_glfw_key(90), 0x5A);  // Z
    EXPECT_EQ(virtual_key_of_glfw_key(48), 0x30);  // 0
    EXPECT_EQ(virtual_key_of_glfw_key(342), 0xA4); // left Alt
    EXPECT_EQ(virtual_key_of_glfw_key(346), 0xA5); // right Alt
    EXPECT_EQ(virtual_key_of_glfw_key(341), 0xA2); // left Control
    EXPECT_EQ(virtual_key_of_glfw_key(344), 0xA1); // right Shift
    EXPECT_EQ(virtual_key_of_glfw_key(256), 0x1B); // Escape
    EXPECT_EQ(virtual_key_of_glfw_key(263), 0x25); // Left
    EXPECT_EQ(virtual_key_of_glfw_key(264), 0x28); // Down
    EXPECT_EQ(virtual_key_of_glfw_key(290), 0x70); // F1
    EXPECT_EQ(virtual_key_of_glfw_key(301), 0x7B); // F12
    EXPECT_EQ(virtual_key_of_glfw_key(313), 0x87); // F24
    EXPECT_EQ(virtual_key_of_glfw_key(320), 0x60); // keypad 0
    EXPECT_EQ(virtual_key_of_glfw_key(332), 0x6A); // keypad *
    EXPECT_EQ(virtual_key_of_glfw_key(335), 0x0D); // keypad Enter reads as Return
}

TEST(VirtualKeys, PrintScreenAndScrollLockGiveTheCodesReadAsF13AndF14) {
    EXPECT_EQ(virtual_key_of_glfw_key(283), 0x2C);
    EXPECT_EQ(virtual_key_of_glfw_key(281), 0x91);
}

TEST(VirtualKeys, KeysWithoutACodeGiveZero) {
    EXPECT_EQ(virtual_key_of_glfw_key(-1), 0);  // GLFW_KEY_UNKNOWN
    EXPECT_EQ(virtual_key_of_glfw_key(314), 0); // F25
    EXPECT_EQ(virtual_key_of_glfw_key(336), 0); // keypad =
    EXPECT_EQ(virtual_key_of_glfw_key(100), 0); // between the printable and the function keys
}
