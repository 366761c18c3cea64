#include "lum/platform/scripted/scripted_backend.hpp"

#include "lum/platform/joystick.hpp"
#include "lum/platform/keyboard.hpp"
#include "lum/platform/mouse.hpp"
#include "lum/platform/time.hpp"
#include "lum/platform/virtual_key.hpp"
#include "lum/platform/window.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace lum::platform;

namespace {

// Installs a scripted backend with an open virtual window for one test.
class Scripted : public testing::Test {
  protected:
    void SetUp() override {
        use_backend(&script);
        ASSERT_TRUE(start_window_system());
        WindowRequest r;
        r.width = 512;
        r.height = 448;
        r.title = lum::String("Halvane Bindwell");
        ASSERT_TRUE(open_window(r));
    }
    void TearDown() override {
        stop_window_system();
        use_backend(nullptr);
    }
    uint8_t key(int vk) {
        std::array<uint8_t, VIRTUAL_KEY_COUNT> state{};
        keyboard_state(state.data());
        return state[vk];
    }

    ScriptedBackend script{ScriptedBackend::WindowKind::VIRTUAL, 1000};
};

} // namespace

TEST_F(Scripted, ClockStartsWhereToldAndSleepAdvancesItWithoutWaitingWhileTheWallClockStandsStill) {
    EXPECT_EQ(milliseconds(), 1000u);
    sleep_milliseconds(16);
    EXPECT_EQ(milliseconds(), 1016u);
    script.advance(4);
    EXPECT_EQ(milliseconds(), 1020u);
    EXPECT_EQ(script.slept(), 16u);
    EXPECT_EQ(local_time(), (LocalTime{2000, 1, 1, 0, 0, 0}));
    script.set_local_time({2013, 3, 5, 7, 8, 9});
    sleep_milliseconds(5000);
    EXPECT_EQ(local_time(), (LocalTime{2013, 3, 5, 7, 8, 9})) << "the wall clock stands still";
}

TEST_F(Scripted, ClockWrapsAt32Bits) {
    script.set_time(0xFFFFFFF0u);
    sleep_milliseconds(0x20);
    EXPECT_EQ(milliseconds(), 0x10u);
    // A difference taken across the wrap still gives the time passed.
    EXPECT_EQ(milliseconds() - 0xFFFFFFF0u, 0x20u);
}

TEST_F(Scripted, FocusStartsOnAndLosingItDropsHeldKeys) {
    EXPECT_TRUE(window_active());
    script.key_down(VK_A);
    poll_events();
    script.set_active(false);
    poll_events();
    EXPECT_FALSE(window_active());
    EXPECT_EQ(key(VK_A), 0);
    script.set_active(true);
    poll_events();
    EXPECT_TRUE(window_active());
}

TEST_F(Scripted, MachineFactsAreTheScripts) {
    EXPECT_EQ(desktop_mode().width, 1280);
    EXPECT_EQ(monitor_count(), 1);
    script.set_monitor_count(2);
    EXPECT_EQ(monitor_count(), 2);
}

TEST_F(Scripted, VirtualWindowHasNoOpenGl) {
    EXPECT_FALSE(context_current());
    EXPECT_EQ(gl_function("glGenFramebuffers"), nullptr);
    EXPECT_EQ(gl_context_version().major, 0);
    swap_buffers();
    swap_interval(1);
    EXPECT_EQ(script.swap_count(), 1);
    EXPECT_EQ(script.current_swap_interval(), 1);
    EXPECT_EQ(script.title(), lum::String("Halvane Bindwell"));
}

TEST_F(Scripted, ThePollHookRunsAfterThePollsEventsEveryPoll) {
    std::vector<uint8_t> seen;
    script.set_poll_hook([&] { seen.push_back(key(VK_A)); });
    script.key_down(VK_A);
    poll_events();
    script.key_up(VK_A);
    poll_events();
    EXPECT_EQ(seen, (std::vector<uint8_t>{KEY_DOWN_BIT, 0}));
}
