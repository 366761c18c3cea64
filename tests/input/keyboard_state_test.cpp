#include "support/input_fixture.hpp"

#include "lum/input/keyboard_state.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using lum::test::ScriptedPlatform;

namespace {

// The codes whose records are down, in order.
std::vector<int> down_codes(const lum::KeyboardState& keys) {
    std::vector<int> codes;
    for (int code = 0; code < lum::KEY_COUNT; ++code) {
        if (keys.keys[code].down)
            codes.push_back(code);
    }
    return codes;
}

struct Keyboard {
    ScriptedPlatform platform;
    std::unique_ptr<lum::KeyboardState> keys = std::make_unique<lum::KeyboardState>();

    void frame(bool enabled = true) {
        platform.backend.poll_events();
        lum::poll_keyboard(*keys, enabled);
    }
    // The codes down while only virtual_key is held.
    std::vector<int> codes_of(int virtual_key) {
        platform.backend.key_down(virtual_key);
        frame();
        std::vector<int> codes = down_codes(*keys);
        platform.backend.key_up(virtual_key);
        frame();
        return codes;
    }
};

} // namespace

TEST(KeyboardState, VirtualKeysGiveTheirEngineCodes) {
    Keyboard k;
    const std::pair<int, std::vector<int>> cases[] = {
        {0x08, {8}},       {0x09, {9}},       {0x0C, {173}},     {0x0D, {10}},      {0x1B, {27}},
        {0x20, {32}},      {0x14, {15}},      {0x21, {5}},       {0x22, {6}},       {0x23, {13}},
        {0x24, {12}},      {0x25, {2}},       {0x26, {1}},       {0x27, {3}},       {0x28, {4}},
        {0x2D, {11}},      {0x2E, {127}},     {0x30, {48}},      {0x39, {57}},      {0x41, {97}},
        {0x5A, {122}},     {0x60, {156}},     {0x69, {165}},     {0x6A, {169}},     {0x6B, {167}},
        {0x6D, {168}},     {0x6E, {166}},     {0x6F, {170}},     {0x70, {128}},     {0x7B, {139}},
        {0x2C, {140}},     {0x91, {141}},     {0x2F, {143}},     {0x7E, {142}},     {0x80, {144}},
        {0x83, {147}},     {0xA0, {28, 148}}, {0xA1, {28, 149}}, {0xA2, {29, 150}}, {0xA3, {29, 151}},
        {0xA4, {30, 152}}, {0xA5, {30, 153}}, {0xE5, {26}},      {0x7C, {}},        {0x7D, {}},
        {0x7F, {}},        {0x6C, {}},        {0xBA, {}},        {0x13, {}},        {0x5B, {}},
    };
    for (const auto& [virtual_key, codes] : cases)
        EXPECT_EQ(k.codes_of(virtual_key), codes) << std::hex << virtual_key;
}

TEST(KeyboardState, ShiftedLetterGivesItsCapitalForOneFrameOneFrameLate) {
    Keyboard k;
    k.platform.backend.key_down(lum::platform::VK_L_SHIFT);
    k.frame();
    k.platform.backend.key_down(lum::platform::VK_A);
    k.frame();
    EXPECT_EQ(k.keys->modifiers, lum::MODIFIER_SHIFT);
    EXPECT_TRUE(k.keys->keys['a'].pressed);
    EXPECT_FALSE(k.keys->keys['A'].down);
    k.frame();
    EXPECT_TRUE(k.keys->keys['a'].down);
    EXPECT_TRUE(k.keys->keys['A'].down && k.keys->keys['A'].pressed);
    k.frame();
    EXPECT_TRUE(k.keys->keys['a'].down);
    EXPECT_TRUE(k.keys->keys['A'].released);
}

TEST(KeyboardState, LastKeyIsTheLowestPressOfThePreviousFrame) {
    Keyboard k;
    k.platform.backend.key_down(lum::platform::VK_Z);
    k.platform.backend.key_down(lum::platform::VK_RETURN);
    k.frame();
    EXPECT_EQ(k.keys->last_key, 0);
    k.frame();
    EXPECT_EQ(k.keys->last_key, lum::KEY_RETURN);
    k.frame();
    EXPECT_EQ(k.keys->last_key, 0);
}

TEST(KeyboardState, ADisabledFrameReadsEveryKeyAsUp) {
    Keyboard k;
    for (int vk : {lum::platform::VK_L_SHIFT, lum::platform::VK_R_CONTROL, lum::platform::VK_L_MENU,
                   lum::platform::VK_LEFT})
        k.platform.backend.key_down(vk);
    k.frame();
    EXPECT_EQ(k.keys->modifiers, lum::MODIFIER_SHIFT | lum::MODIFIER_CONTROL | lum::MODIFIER_COMMAND);
    k.frame(false);
    EXPECT_TRUE(down_codes(*k.keys).empty());
    EXPECT_EQ(k.keys->modifiers, 0u);
    for (int code : {lum::KEY_LEFT, lum::KEY_SHIFT, lum::KEY_L_SHIFT})
        EXPECT_TRUE(k.keys->keys[code].released) << code;
}
