#pragma once

// The contract every backend keeps, written once. Each case runs against a
// driver: the backend under test plus a stand-in for the person at the
// machine (keys, mouse, the window manager). The person's actions wait until
// settle(), which returns once the backend can have heard them; the program's
// own requests (a new size, a title) are also seen by then.
//
// A driver offers: backend(), open(width, height), settle(), user_resize(w, h),
// user_close(), tap_key(vk), key_down(vk), key_up(vk), move_mouse(x, y),
// press_mouse(button, down), scroll(steps), shown_title(), and for joysticks
// plug(id, name, axes, buttons), unplug(id), set_axis(id, axis, value) and
// set_button(id, button, down).

#include "lum/platform/backend.hpp"
#include "lum/platform/virtual_key.hpp"

#include <gtest/gtest.h>

#include <array>

namespace lum::platform::contract {

template <typename Driver>
class BackendContract : public testing::Test {
  protected:
    void SetUp() override {
        use_backend(&driver.backend());
        ASSERT_TRUE(start_window_system()) << "needs a display (run under xvfb-run)";
    }
    void TearDown() override {
        set_window_size_handler(nullptr);
        set_window_close_handler(nullptr);
        stop_window_system();
        use_backend(nullptr);
    }
    uint8_t key(int vk) {
        std::array<uint8_t, VIRTUAL_KEY_COUNT> state{};
        keyboard_state(state.data());
        return state[vk];
    }

    Driver driver;
};

TYPED_TEST_SUITE_P(BackendContract);

TYPED_TEST_P(BackendContract, NothingOpensBeforeTheWindowSystemStarts) {
    stop_window_system();
    EXPECT_FALSE(this->driver.open(320, 240));
    EXPECT_FALSE(window_open());
    EXPECT_EQ(desktop_mode().width, 0);
    EXPECT_EQ(monitor_count(), 0);
    EXPECT_FALSE(joystick_present(0));
}

TYPED_TEST_P(BackendContract, WindowOpensFocusedWithItsSizeAndClosesToNothing) {
    ASSERT_TRUE(this->driver.open(320, 240));
    EXPECT_TRUE(window_open());
    EXPECT_EQ(window_size().width, 320);
    EXPECT_EQ(window_size().height, 240);
    EXPECT_GE(monitor_count(), 1);
    this->driver.settle();
    EXPECT_TRUE(window_active());
    // Focus changes are seen at the poll after them.
    this->driver.user_focus(false);
    this->driver.settle();
    EXPECT_FALSE(window_active());
    this->driver.user_focus(true);
    this->driver.settle();
    EXPECT_TRUE(window_active());
    close_window();
    EXPECT_FALSE(window_open());
    EXPECT_FALSE(window_active());
    EXPECT_FALSE(context_current());
    EXPECT_EQ(window_size().width, 0);
    EXPECT_EQ(window_size().height, 0);
}

TYPED_TEST_P(BackendContract, SizesAskedByTheProgramOrSetByTheUserAreReportedAtThePoll) {
    ASSERT_TRUE(this->driver.open(320, 240));
    int reported_w = 0, reported_h = 0;
    set_window_size_handler([&](int w, int h) {
        reported_w = w;
        reported_h = h;
    });
    set_window_size(400, 300);
    this->driver.settle();
    EXPECT_EQ(reported_w, 400);
    EXPECT_EQ(reported_h, 300);
    EXPECT_EQ(window_size().width, 400);
    EXPECT_EQ(window_size().height, 300);
    this->driver.user_resize(360, 270);
    this->driver.settle();
    EXPECT_EQ(reported_w, 360);
    EXPECT_EQ(reported_h, 270);
    EXPECT_EQ(window_size().width, 360);
}

TYPED_TEST_P(BackendContract, TheUsersCloseAsksTheHandlerAtThePoll) {
    ASSERT_TRUE(this->driver.open(320, 240));
    int asked = 0;
    bool allow = false;
    set_window_close_handler([&] {
        ++asked;
        return allow;
    });
    this->driver.user_close();
    EXPECT_TRUE(window_open()) << "not before the poll";
    this->driver.settle();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window_open()) << "the handler refused";
    allow = true;
    this->driver.user_close();
    this->driver.settle();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(window_open());
    close_window();
    EXPECT_FALSE(window_open());
}

TYPED_TEST_P(BackendContract, TitleIsShownByTheWindowSystem) {
    ASSERT_TRUE(this->driver.open(320, 240));
    set_window_title(String("Halvane Bindwell 2"));
    this->driver.settle();
    EXPECT_EQ(this->driver.shown_title(), "Halvane Bindwell 2");
}

TYPED_TEST_P(BackendContract, ATapReadsDownOnceAndAHeldKeyOnEveryRead) {
    ASSERT_TRUE(this->driver.open(320, 240));
    this->driver.tap_key(VK_A);
    EXPECT_EQ(this->key(VK_A), 0) << "not before the poll";
    this->driver.settle();
    EXPECT_EQ(this->key(VK_A), KEY_DOWN_BIT);
    EXPECT_EQ(this->key(VK_A), 0);
    this->driver.key_down(VK_L_MENU);
    this->driver.settle();
    EXPECT_EQ(this->key(VK_L_MENU), KEY_DOWN_BIT);
    EXPECT_EQ(this->key(VK_MENU), KEY_DOWN_BIT) << "left Alt counts as Alt";
    EXPECT_EQ(this->key(VK_L_MENU), KEY_DOWN_BIT);
    this->driver.key_up(VK_L_MENU);
    this->driver.settle();
    EXPECT_EQ(this->key(VK_L_MENU), 0) << "its press was read already";
    EXPECT_EQ(this->key(VK_MENU), 0);
}

TYPED_TEST_P(BackendContract, MouseButtonsPositionAndWheelSinceTheWindowOpened) {
    ASSERT_TRUE(this->driver.open(320, 240));
    EXPECT_EQ(mouse_wheel(), 0);
    this->driver.move_mouse(40, 30);
    this->driver.press_mouse(1, true);
    this->driver.scroll(3);
    this->driver.scroll(-1);
    this->driver.settle();
    EXPECT_EQ(mouse_position().x, 40);
    EXPECT_EQ(mouse_position().y, 30);
    EXPECT_TRUE(mouse_button(1));
    EXPECT_FALSE(mouse_button(0));
    EXPECT_FALSE(mouse_button(-1));
    EXPECT_FALSE(mouse_button(MOUSE_BUTTON_COUNT));
    EXPECT_EQ(mouse_wheel(), 2);
    this->driver.press_mouse(1, false);
    this->driver.settle();
    EXPECT_FALSE(mouse_button(1));
}

TYPED_TEST_P(BackendContract, WithoutAWindowTheMouseIsAtRestAndANewWindowStartsAfresh) {
    ASSERT_TRUE(this->driver.open(320, 240));
    this->driver.move_mouse(40, 30);
    this->driver.press_mouse(0, true);
    this->driver.scroll(2);
    this->driver.settle();
    ASSERT_TRUE(mouse_button(0));
    ASSERT_EQ(mouse_wheel(), 2);
    close_window();
    EXPECT_FALSE(mouse_button(0));
    EXPECT_EQ(mouse_wheel(), 0);
    EXPECT_EQ(mouse_position().x, 0);
    EXPECT_EQ(mouse_position().y, 0);
    ASSERT_TRUE(this->driver.open(320, 240));
    this->driver.settle();
    EXPECT_EQ(mouse_wheel(), 0);
    EXPECT_FALSE(mouse_button(0)) << "a new window has heard no press";
    this->driver.press_mouse(0, false);
    this->driver.settle();
}

TYPED_TEST_P(BackendContract, JoysticksReadIntoCallerBuffersUpToTheCountAsked) {
    ASSERT_TRUE(this->driver.open(320, 240));
    EXPECT_FALSE(joystick_present(1));
    this->driver.plug(1, "Pad", 4, 12);
    this->driver.settle();
    ASSERT_TRUE(joystick_present(1));
    EXPECT_EQ(joystick_axis_count(1), 4);
    EXPECT_EQ(joystick_button_count(1), 12);
    EXPECT_EQ(joystick_hat_count(1), 0);
    EXPECT_EQ(joystick_name(1), String("Pad"));
    this->driver.set_axis(1, 2, -0.5f);
    this->driver.set_button(1, 11, true);
    this->driver.settle();
    float axes[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(read_joystick_axes(1, axes, 8), 4);
    EXPECT_EQ(axes[2], -0.5f);
    EXPECT_EQ(axes[4], 9) << "nothing written past the device's axes";
    uint8_t buttons[3] = {7, 7, 7};
    EXPECT_EQ(read_joystick_buttons(1, buttons, 2), 2);
    EXPECT_EQ(buttons[2], 7) << "nothing written past the count asked";
    uint8_t all[12] = {};
    EXPECT_EQ(read_joystick_buttons(1, all, 12), 12);
    EXPECT_EQ(all[11], 1);
    this->driver.unplug(1);
    this->driver.settle();
    EXPECT_FALSE(joystick_present(1));
    EXPECT_EQ(read_joystick_axes(1, axes, 8), 0);
    EXPECT_EQ(joystick_name(1), String());
    EXPECT_FALSE(joystick_present(-1));
    EXPECT_FALSE(joystick_present(JOYSTICK_COUNT));
}

TYPED_TEST_P(BackendContract, AJoystickButtonTappedBetweenTwoReadsReadsDownOnce) {
    ASSERT_TRUE(this->driver.open(320, 240));
    this->driver.plug(0, "Pad", 0, 4);
    this->driver.set_button(0, 3, true);
    this->driver.set_button(0, 3, false);
    this->driver.settle();
    uint8_t b[4] = {};
    ASSERT_EQ(read_joystick_buttons(0, b, 4), 4);
    EXPECT_EQ(b[3], 1);
    read_joystick_buttons(0, b, 4);
    EXPECT_EQ(b[3], 0);
}

REGISTER_TYPED_TEST_SUITE_P(
    BackendContract, NothingOpensBeforeTheWindowSystemStarts, WindowOpensFocusedWithItsSizeAndClosesToNothing,
    SizesAskedByTheProgramOrSetByTheUserAreReportedAtThePoll, TheUsersCloseAsksTheHandlerAtThePoll,
    TitleIsShownByTheWindowSystem, ATapReadsDownOnceAndAHeldKeyOnEveryRead,
    MouseButtonsPositionAndWheelSinceTheWindowOpened, WithoutAWindowTheMouseIsAtRestAndANewWindowStartsAfresh,
    JoysticksReadIntoCallerBuffersUpToTheCountAsked, AJoystickButtonTappedBetweenTwoReadsReadsDownOnce);

} // namespace lum::platform::contract
