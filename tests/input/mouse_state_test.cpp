#include "support/input_fixture.hpp"

#include "lum/input/mouse_state.hpp"

#include <gtest/gtest.h>

using lum::ScreenView;
using lum::test::ScriptedPlatform;

namespace {

// A 256 x 224 screen shown at twice its size, filling a 512 x 448 window.
constexpr ScreenView FULL{256, 224, 0, 0, 512, 448};
// The same window shown in a 384 x 336 rectangle at (64, 56).
constexpr ScreenView BOXED{256, 224, 64, 56, 384, 336};

} // namespace

TEST(MouseState, ThePointerIsScaledInsideTheViewportOnly) {
    ScriptedPlatform platform;
    struct Case {
        ScreenView view;
        int x, y;
        bool inside;
        int screen_x, screen_y;
    };
    const Case cases[] = {
        {FULL, 0, 0, true, 0, 0},          {FULL, 511, 447, true, 255, 223},  {FULL, 101, 3, true, 50, 1},
        {FULL, 512, 10, false, 0, 0},      {FULL, 10, 448, false, 0, 0},      {FULL, -1, 10, false, 0, 0},
        {FULL, 10, -1, false, 0, 0},       {BOXED, 63, 100, false, 0, 0},     {BOXED, 100, 55, false, 0, 0},
        {BOXED, 64, 56, true, 0, 0},       {BOXED, 447, 391, true, 255, 223}, {BOXED, 448, 100, false, 0, 0},
        {BOXED, 256, 224, true, 128, 112}, {ScreenView{}, 0, 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        lum::MouseState mouse;
        mouse.position = {7, 7};
        platform.backend.set_mouse_position(c.x, c.y);
        lum::poll_mouse(mouse, c.view, true);
        EXPECT_EQ(mouse.inside, c.inside) << c.x << "," << c.y;
        EXPECT_EQ(mouse.position.x, c.screen_x) << c.x << "," << c.y;
        EXPECT_EQ(mouse.position.y, c.screen_y) << c.x << "," << c.y;
    }
}

TEST(MouseState, TheWheelDeltaRestartsAfterComingBackInside) {
    ScriptedPlatform platform;
    lum::MouseState mouse;
    auto frame = [&](int x, int steps) {
        platform.backend.set_mouse_position(x, 10);
        platform.backend.scroll(steps);
        lum::poll_mouse(mouse, FULL, true);
        return mouse.wheel_delta;
    };
    EXPECT_EQ(frame(10, 3), 3);
    EXPECT_EQ(frame(10, 2), 2);
    EXPECT_EQ(frame(10, 0), 0);
    EXPECT_EQ(frame(600, 4), 0);
    EXPECT_EQ(mouse.wheel_last, 0);
    EXPECT_EQ(frame(600, 1), 0);
    // Back inside, the whole wheel value counts as this frame's movement.
    EXPECT_EQ(frame(10, 0), 10);
    EXPECT_EQ(frame(10, -1), -1);
}

TEST(MouseState, ButtonsAreDownOnlyInsideAndWhenEnabled) {
    ScriptedPlatform platform;
    lum::MouseState mouse;
    platform.backend.set_mouse_position(10, 10);
    platform.backend.set_mouse_button(0, true);
    platform.backend.set_mouse_button(6, true);
    platform.backend.set_mouse_button(7, true);
    lum::poll_mouse(mouse, FULL, true);
    EXPECT_TRUE(mouse.buttons[0].pressed && mouse.buttons[6].pressed);
    EXPECT_FALSE(mouse.buttons[7].down);
    EXPECT_EQ(mouse.previous_down[0], 0);

    lum::poll_mouse(mouse, FULL, true);
    EXPECT_EQ(mouse.previous_down[0], 1);
    EXPECT_TRUE(mouse.buttons[0].down && !mouse.buttons[0].pressed);

    lum::poll_mouse(mouse, FULL, false);
    EXPECT_EQ(mouse.inside, 0);
    EXPECT_TRUE(mouse.buttons[0].released);

    lum::poll_mouse(mouse, FULL, true);
    platform.backend.set_mouse_position(600, 10);
    lum::poll_mouse(mouse, FULL, true);
    EXPECT_TRUE(mouse.buttons[0].released && mouse.buttons[6].released);
}
