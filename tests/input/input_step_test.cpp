#include "support/input_fixture.hpp"

#include "lum/input/input_step.hpp"

#include <gtest/gtest.h>

#include <string>

using lum::InputFrame;
using lum::test::ScriptedPlatform;

namespace {

std::string sound_calls;
void pause_sound() {
    sound_calls += 'p';
}
void resume_sound() {
    sound_calls += 'r';
}

// An input step over records of its own.
struct Step {
    ScriptedPlatform platform;
    std::unique_ptr<lum::KeyboardState> keys = std::make_unique<lum::KeyboardState>();
    std::unique_ptr<lum::Input> hub = std::make_unique<lum::Input>();
    lum::MouseState mouse;
    lum::InputStep step{*keys, *hub, mouse};

    void frame(const InputFrame& f = {}) {
        platform.backend.poll_events();
        step.run(f);
    }
    void set_active(bool active) {
        platform.backend.set_active(active);
        platform.backend.poll_events();
    }
    // Runs frames until the hold-off of the first focus is over.
    void settle() {
        for (int i = 0; i <= lum::InputStep::KEYBOARD_HOLD_OFF; ++i)
            frame();
    }
};

class SoundHooks {
  public:
    SoundHooks() {
        sound_calls.clear();
        lum::set_sound_focus_hooks(pause_sound, resume_sound);
    }
    ~SoundHooks() { lum::set_sound_focus_hooks(nullptr, nullptr); }
};

} // namespace

TEST(InputStep, KeysStayAsTheyWereForFifteenFramesAfterFocusReturns) {
    Step s;
    s.settle();
    const lum::ButtonState& space = s.keys->keys[lum::KEY_SPACE];
    s.platform.backend.key_down(lum::platform::VK_SPACE);
    s.frame();
    ASSERT_TRUE(space.pressed);

    s.set_active(false);
    s.frame();
    ASSERT_TRUE(space.released);

    s.set_active(true);
    s.platform.backend.key_down(lum::platform::VK_SPACE);
    std::string seen;
    for (int i = 0; i < 16; ++i) {
        s.frame();
        seen += space.pressed ? 'P' : space.released ? 'R' : space.down ? 'd' : '.';
    }
    EXPECT_EQ(seen, "RRRRRRRRRRRRRRRP");
}

TEST(InputStep, TheFirstFocusHoldsTheKeyboardOffToo) {
    Step s;
    s.platform.backend.key_down(lum::platform::VK_RETURN);
    for (int i = 0; i < 15; ++i) {
        s.frame();
        EXPECT_FALSE(s.keys->keys[lum::KEY_RETURN].down) << i;
    }
    s.frame();
    EXPECT_TRUE(s.keys->keys[lum::KEY_RETURN].pressed);
}

TEST(InputStep, SoundPausesWhileTheWindowIsInactiveOrThePauseIsOn) {
    SoundHooks hooks;
    Step s;
    struct Frame {
        bool active;
        bool paused;
        const char* calls;
    };
    const Frame frames[] = {{true, false, ""},   {true, true, "p"}, {true, true, ""}, {true, false, "r"},
                            {false, false, "p"}, {false, true, ""}, {true, true, ""}, {true, false, "r"},
                            {false, true, "p"},  {true, false, "r"}};
    for (const Frame& f : frames) {
        sound_calls.clear();
        s.set_active(f.active);
        InputFrame frame;
        frame.paused = f.paused;
        s.frame(frame);
        EXPECT_EQ(sound_calls, f.calls) << "active " << f.active << ", paused " << f.paused;
    }
}

TEST(InputStep, InputIsEnabledWhenOnAndFocusedOrAllowedInTheBackground) {
    Step s;
    s.platform.backend.connect_joystick(0, "pad", 0, 1);
    lum::enumerate_joypads(*s.hub);
    s.hub->joypads[0].bindings[0] = {0, 1u << lum::BUTTON_A};
    s.platform.backend.set_joystick_button(0, 0, true);
    s.platform.backend.set_mouse_position(10, 10);
    struct Case {
        bool input_off;
        bool active;
        bool background;
        bool enabled;
    };
    const Case cases[] = {{false, true, false, true},
                          {true, true, false, false},
                          {false, false, false, false},
                          {false, false, true, true},
                          {true, false, true, false}};
    for (const Case& c : cases) {
        s.set_active(c.active);
        InputFrame frame;
        frame.input_off = c.input_off;
        frame.background_input = c.background;
        frame.screen_width = 256;
        frame.screen_height = 224;
        frame.viewport_width = 512;
        frame.viewport_height = 448;
        s.frame(frame);
        EXPECT_EQ(s.hub->players[0].buttons[lum::BUTTON_A].down != 0, c.enabled)
            << c.input_off << c.active << c.background;
        EXPECT_EQ(s.mouse.inside != 0, c.enabled) << c.input_off << c.active << c.background;
    }
}

TEST(InputStep, TheProgramStepUsesTheProgramRecords) {
    ScriptedPlatform platform;
    platform.backend.set_mouse_position(100, 20);
    InputFrame frame;
    frame.screen_width = 256;
    frame.screen_height = 224;
    frame.viewport_width = 512;
    frame.viewport_height = 448;
    lum::run_input_step(frame);
    EXPECT_EQ(lum::mouse_state().inside, 1);
    EXPECT_EQ(lum::mouse_state().position.x, 50);
    EXPECT_EQ(lum::mouse_state().position.y, 10);
}
