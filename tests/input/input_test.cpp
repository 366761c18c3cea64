#include "support/input_fixture.hpp"

#include "lum/input/input.hpp"

#include <gtest/gtest.h>

#include <vector>

using lum::BUTTON_A;
using lum::BUTTON_B;
using lum::BUTTON_START;
using lum::BUTTON_X;
using lum::Input;
using lum::InputBinding;
using lum::test::InputRecords;
using lum::test::ScriptedPlatform;

namespace {

constexpr uint32_t bit(int n) {
    return 1u << n;
}

struct Stick {
    int id;
    int axes;
    int buttons;
};

void connect(lum::platform::ScriptedBackend& backend, const std::vector<Stick>& sticks) {
    for (const Stick& s : sticks)
        backend.connect_joystick(s.id, "pad", s.axes, s.buttons);
}

} // namespace

TEST(Input, RegistersJoysticksWithButtonsInOrder) {
    ScriptedPlatform platform;
    connect(platform.backend, {{0, 2, 0}, {1, 0, 4}, {3, 2, 10}, {4, 6, 0}, {6, 4, 12}});
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    ASSERT_EQ(r.hub->joypad_count, 3);
    struct Expected {
        int glfw_id, axes, buttons, physical, signature;
    };
    const Expected expected[] = {{1, 0, 4, 4, 4}, {3, 2, 10, 14, 210}, {6, 4, 12, 20, 412}};
    for (int p = 0; p < 3; ++p) {
        const lum::JoypadState& pad = r.hub->joypads[p];
        EXPECT_EQ(pad.glfw_id, expected[p].glfw_id) << p;
        EXPECT_EQ(pad.axis_count, expected[p].axes) << p;
        EXPECT_EQ(pad.button_count, expected[p].buttons) << p;
        EXPECT_EQ(pad.physical_count, expected[p].physical) << p;
        EXPECT_EQ(pad.signature, expected[p].signature) << p;
    }
}

TEST(Input, RegistersAtMostEightJoypads) {
    ScriptedPlatform platform;
    for (int id = 0; id < 11; ++id)
        platform.backend.connect_joystick(id, "pad", 2, 8);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    EXPECT_EQ(r.hub->joypad_count, 8);
    EXPECT_EQ(r.hub->joypads[7].glfw_id, 7);
}

TEST(Input, AxesPressOnlyBeyondHalfWay) {
    ScriptedPlatform platform;
    platform.backend.connect_joystick(0, "pad", 6, 2);
    const float positions[6] = {-0.5f, 0.5f, -0.51f, 0.51f, -1.0f, 0.0f};
    for (int k = 0; k < 6; ++k)
        platform.backend.set_joystick_axis(0, k, positions[k]);
    platform.backend.set_joystick_button(0, 1, true);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    r.frame(platform.backend);
    const lum::JoypadState& pad = r.hub->joypads[0];
    //                                  axis 0  axis 1  axis 2  axis 3  axis 4  axis 5  buttons
    const std::vector<uint8_t> expected = {0, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(std::vector<uint8_t>(pad.current_states.begin(), pad.current_states.begin() + 14), expected);
    EXPECT_EQ(pad.current_mask, (1u << 4) | (1u << 7) | (1u << 8) | (1u << 13));
    EXPECT_FLOAT_EQ(pad.axes[3], 0.51f);

    platform.backend.set_joystick_button(0, 1, false);
    r.frame(platform.backend);
    EXPECT_EQ(pad.previous_states[13], 1);
    EXPECT_EQ(pad.current_states[13], 0);
}

TEST(Input, InputsBeyondFortyAreDropped) {
    ScriptedPlatform platform;
    // 24 axis inputs and 20 buttons: buttons 16 and above have no place.
    platform.backend.connect_joystick(0, "pad", 12, 20);
    platform.backend.set_joystick_axis(0, 11, 1.0f);
    platform.backend.set_joystick_button(0, 15, true);
    platform.backend.set_joystick_button(0, 16, true);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    r.frame(platform.backend);
    const lum::JoypadState& pad = r.hub->joypads[0];
    EXPECT_EQ(pad.physical_count, 40);
    EXPECT_EQ(pad.signature, 1220);
    EXPECT_EQ(pad.current_mask, (uint64_t{1} << 23) | (uint64_t{1} << 39));
}

TEST(Input, TwoKeysOnOneButtonActAsOne) {
    ScriptedPlatform platform;
    InputRecords r;
    r.hub->key_bindings[lum::KEY_SPACE] = {0, bit(BUTTON_A)};
    r.hub->key_bindings[lum::KEY_RETURN] = {0, bit(BUTTON_A)};
    const lum::ButtonState& a = r.hub->players[0].buttons[BUTTON_A];

    platform.backend.key_down(lum::platform::VK_SPACE);
    platform.backend.key_down(lum::platform::VK_RETURN);
    r.frame(platform.backend);
    EXPECT_TRUE(a.down && a.pressed);
    platform.backend.key_up(lum::platform::VK_RETURN);
    r.frame(platform.backend);
    EXPECT_TRUE(a.down);
    EXPECT_FALSE(a.pressed || a.released);
    platform.backend.key_up(lum::platform::VK_SPACE);
    r.frame(platform.backend);
    EXPECT_TRUE(!a.down && a.released);
}

TEST(Input, EveryBoundInputAlsoDrivesTheAnyPlayerSlot) {
    ScriptedPlatform platform;
    platform.backend.connect_joystick(0, "pad", 0, 4);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    r.hub->joypads[0].bindings[2] = {3, bit(BUTTON_X) | bit(BUTTON_START)};
    platform.backend.set_joystick_button(0, 2, true);
    r.frame(platform.backend);
    for (int n : {BUTTON_X, BUTTON_START}) {
        EXPECT_TRUE(r.hub->players[3].buttons[n].pressed) << n;
        EXPECT_TRUE(r.hub->players[9].buttons[n].pressed) << n;
        EXPECT_FALSE(r.hub->players[0].buttons[n].down) << n;
    }
}

TEST(Input, UnboundBindingsAndUnnamedBitsDriveNothing) {
    ScriptedPlatform platform;
    const InputBinding bindings[] = {
        {255, bit(BUTTON_A)}, {10, bit(BUTTON_A)}, {-1, bit(BUTTON_A)}, {0, bit(0)}, {1, bit(22) | bit(31)}};
    platform.backend.connect_joystick(0, "pad", 0, 5);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    for (int i = 0; i < 5; ++i) {
        r.hub->joypads[0].bindings[i] = bindings[i];
        platform.backend.set_joystick_button(0, i, true);
    }
    r.frame(platform.backend);
    ASSERT_EQ(r.hub->joypads[0].current_mask, 0x1Fu);
    for (const lum::PlayerInput& player : r.hub->players) {
        for (const lum::ButtonState& button : player.buttons)
            EXPECT_FALSE(button.held());
    }
    EXPECT_EQ(r.hub->players_in_use, 2);
}

TEST(Input, LastPressedIsTheLowestPressOfThePreviousFrame) {
    ScriptedPlatform platform;
    platform.backend.connect_joystick(0, "pad", 0, 4);
    platform.backend.connect_joystick(1, "pad", 0, 4);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    r.hub->joypads[0].bindings[0] = {1, bit(BUTTON_START)};
    r.hub->joypads[1].bindings[0] = {2, bit(BUTTON_B)};
    r.hub->joypads[1].bindings[1] = {2, bit(BUTTON_X)};
    platform.backend.set_joystick_button(0, 0, true);
    platform.backend.set_joystick_button(1, 0, true);
    platform.backend.set_joystick_button(1, 1, true);

    std::vector<std::vector<int>> seen;
    for (int frame = 0; frame < 3; ++frame) {
        r.frame(platform.backend);
        seen.push_back(
            {r.hub->players[1].last_pressed, r.hub->players[2].last_pressed, r.hub->players[9].last_pressed});
    }
    // Slot 9 takes player 1's value, though its own lowest press was B.
    const std::vector<std::vector<int>> expected = {
        {0, 0, 0}, {BUTTON_START, BUTTON_B, BUTTON_START}, {0, 0, 0}};
    EXPECT_EQ(seen, expected);
}

TEST(Input, PlayersInUseCountsUpToTheHighestBoundPlayer) {
    ScriptedPlatform platform;
    platform.backend.connect_joystick(0, "pad", 0, 2);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    r.frame(platform.backend);
    EXPECT_EQ(r.hub->players_in_use, 0);
    r.hub->key_bindings['q'] = {0, bit(BUTTON_A)};
    r.frame(platform.backend);
    EXPECT_EQ(r.hub->players_in_use, 1);
    // Bound, not pressed: still in use.
    r.hub->joypads[0].bindings[1] = {4, bit(BUTTON_A)};
    r.frame(platform.backend);
    EXPECT_EQ(r.hub->players_in_use, 5);
    r.hub->joypads[0].bindings[1] = {};
    r.frame(platform.backend, false);
    EXPECT_EQ(r.hub->players_in_use, 5);
    r.frame(platform.backend);
    EXPECT_EQ(r.hub->players_in_use, 1);
}

TEST(Input, ADisabledFrameReadsEveryButtonAsUp) {
    ScriptedPlatform platform;
    platform.backend.connect_joystick(0, "pad", 0, 2);
    InputRecords r;
    lum::enumerate_joypads(*r.hub);
    r.hub->joypads[0].bindings[0] = {0, bit(BUTTON_B)};
    r.hub->key_bindings[lum::KEY_SPACE] = {0, bit(BUTTON_A)};
    platform.backend.set_joystick_button(0, 0, true);
    platform.backend.key_down(lum::platform::VK_SPACE);
    r.frame(platform.backend);
    const lum::PlayerInput& player = r.hub->players[0];
    ASSERT_TRUE(player.buttons[BUTTON_A].down && player.buttons[BUTTON_B].down);

    r.frame(platform.backend, false);
    for (int n = 0; n < lum::PLAYER_BUTTON_COUNT; ++n) {
        EXPECT_FALSE(player.buttons[n].down) << n;
        EXPECT_FALSE(r.hub->players[9].buttons[n].down) << n;
    }
    EXPECT_TRUE(player.buttons[BUTTON_A].released && player.buttons[BUTTON_B].released);
    r.frame(platform.backend);
    EXPECT_TRUE(player.buttons[BUTTON_A].pressed && player.buttons[BUTTON_B].pressed);
}

TEST(Input, PadsTakeTheSlotsTheirIdentityClaimsAtStartAndWhenTheyComeAndGo) {
    // Slot records and joysticks by name (each name has its own GUID); the
    // joystick ids expected in slots 0 to 3 (-1: no pad).
    struct Case {
        std::vector<std::string> records;
        std::vector<std::string> sticks;
        std::vector<int> slots;
    };
    const Case cases[] = {
        {{}, {"A", "B", "C"}, {0, 1, 2, -1}},
        {{"A", "B"}, {"B", "A"}, {1, 0, -1, -1}},
        {{"", "", "B"}, {"A", "B", "C"}, {0, 2, 1, -1}},
        {{"", "X", "", "X"}, {"X", "X"}, {-1, 0, -1, 1}},
        {{"A", "A"}, {"B", "A", "A", "A"}, {1, 2, 0, 3}},
    };
    auto guid = [](const std::string& name) { return lum::String("03000000" + name); };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        InputRecords r;
        for (size_t p = 0; p < c.records.size(); ++p) {
            if (c.records[p].empty())
                continue;
            r.hub->joypads[p].guid = guid(c.records[p]);
            r.hub->joypads[p].name = lum::String(c.records[p]);
        }
        for (size_t id = 0; id < c.sticks.size(); ++id)
            platform.backend.connect_joystick(int(id), lum::String(c.sticks[id]), 0, 4, guid(c.sticks[id]));
        lum::enumerate_joypads(*r.hub);
        std::vector<int> slots;
        for (int p = 0; p < 4; ++p)
            slots.push_back(r.hub->joypads[p].connected ? r.hub->joypads[p].glfw_id : -1);
        EXPECT_EQ(slots, c.slots) << testing::PrintToString(c.sticks);
        EXPECT_EQ(r.hub->joypad_count, int(c.sticks.size()));
    }

    // After start: A leaves holding a button, C comes and takes a free slot,
    // A comes back as another joystick into its own.
    ScriptedPlatform platform;
    InputRecords r;
    platform.backend.connect_joystick(0, "A", 0, 4, guid("A"));
    platform.backend.connect_joystick(1, "B", 0, 4, guid("B"));
    lum::enumerate_joypads(*r.hub);
    r.hub->joypads[0].bindings[1] = {0, bit(BUTTON_A)};
    platform.backend.set_joystick_button(0, 1, true);
    r.frame(platform.backend);
    const lum::ButtonState& a = r.hub->players[0].buttons[BUTTON_A];
    ASSERT_TRUE(a.pressed);
    platform.backend.disconnect_joystick(0);
    platform.backend.connect_joystick(0, "C", 0, 4, guid("C"));
    r.frame(platform.backend);
    EXPECT_TRUE(a.released);
    EXPECT_FALSE(r.hub->joypads[0].connected);
    EXPECT_EQ(r.hub->joypads[0].name, lum::String("A"));
    EXPECT_EQ(r.hub->joypads[2].glfw_id, 0);
    EXPECT_EQ(r.hub->joypad_count, 2);
    platform.backend.connect_joystick(7, "A", 0, 4, guid("A"));
    r.frame(platform.backend);
    r.frame(platform.backend);
    EXPECT_TRUE(r.hub->joypads[0].connected);
    EXPECT_EQ(r.hub->joypads[0].glfw_id, 7);
    EXPECT_EQ(r.hub->joypads[0].previous_states[1], 0);
    EXPECT_FALSE(a.down || a.pressed) << "no press that the pad did not make again";
    EXPECT_EQ(r.hub->joypad_count, 3);
}
