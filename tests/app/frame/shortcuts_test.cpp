#include "support/frame_fixture.hpp"
#include "support/temp_folder.hpp"

#include "lum/app/frame/guarded_call.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/app/frame/screenshot.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/audio/audio_buffer.hpp"
#include "lum/audio/audio_device.hpp"
#include "lum/platform/time.hpp"

#include <filesystem>

using namespace lum;
using namespace lum::test;

namespace {

// Frames driven one by one, with the application as the running main task
// on a 256 x 224 screen in a 512 x 448 window, past the keyboard's hold-off.
class Shortcuts : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        open_window(512, 448);
        platform::set_window_size_handler(on_window_size);
        renderer().screen_width = 256;
        renderer().screen_height = 224;
        renderer().window_width = 512;
        renderer().window_height = 448;
        frame_state().desktop_width = 1280;
        frame_state().desktop_height = 1024;
        frame_state().phase = Running;
        frame_state().task_stack = {&app};
        frames(FIRST_KEY_STEP);
    }

    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            run_frame(zero_task());
            invoke(app, User);
        }
    }

    // Holds the modifiers, taps key (down and up between two polls) and lets
    // the modifiers go; the shortcut fires on the key's release.
    void chord(int key, std::vector<int> modifiers = {platform::VK_L_CONTROL, platform::VK_L_MENU}) {
        for (int m : modifiers)
            backend.key_down(m);
        frames(1);
        backend.tap_key(key);
        frames(3);
        for (int m : modifiers)
            backend.key_up(m);
        frames(2);
    }

    platform::Size window() { return backend.window_size(); }
};

} // namespace

TEST_F(Shortcuts, EachScaleAndModeShortcutSetsItsModeScaleWindowAndNotice) {
    struct Case {
        int key;
        int32_t mode;
        float scale;
        int window_width, window_height;
        const char* notice;
    };
    // From a 512 x 448 window at scale 1; the centre and mode keys keep the
    // window, and the 3x window comes from a tap shorter than one frame.
    const Case cases[] = {
        {platform::VK_1, FIXED_SCALE, 1.0f, 256, 224, "1x Window"},
        {platform::VK_2, FIXED_SCALE, 2.0f, 512, 448, "2x Window"},
        {platform::VK_F1, STRETCH, 2.0f, 512, 448, "Stretch"},
        {platform::VK_F2, LETTERBOX, 2.0f, 512, 448, "Letterbox"},
        {platform::VK_F3, FIXED_SCALE, 1.0f, 512, 448, "1x Center"},
        {platform::VK_F4, FIXED_SCALE, 2.0f, 512, 448, "2x Center"},
        {platform::VK_3, FIXED_SCALE, 3.0f, 768, 672, "3x Window"},
        {platform::VK_F3, FIXED_SCALE, 1.0f, 768, 672, "1x Center"},
    };
    for (const Case& c : cases) {
        chord(c.key);
        EXPECT_EQ(renderer().screen_mode, c.mode) << c.notice;
        EXPECT_EQ(renderer().scale, c.scale) << c.notice;
        EXPECT_EQ(window().width, c.window_width) << c.notice;
        EXPECT_EQ(window().height, c.window_height) << c.notice;
        EXPECT_EQ(renderer().window_width, c.window_width) << c.notice;
        EXPECT_EQ(notice().text, String(c.notice));
    }
}

TEST_F(Shortcuts, ShiftControlAlt1DoesNothing) {
    chord(platform::VK_1, {platform::VK_L_SHIFT, platform::VK_L_CONTROL, platform::VK_L_MENU});
    EXPECT_EQ(window().width, 512);
    EXPECT_EQ(window().height, 448);
    EXPECT_EQ(notice().until, 0u);
    EXPECT_TRUE(notice().text.empty());
}

TEST_F(Shortcuts, PausingTwiceSkipsUserAndPaintInBetween) {
    chord(platform::VK_P);
    EXPECT_TRUE(frame_state().paused);
    EXPECT_EQ(notice().text, String("Pause"));
    int users = app.users, paints = app.paints;
    frames(10);
    EXPECT_EQ(app.users, users);
    EXPECT_EQ(app.paints, paints);
    chord(platform::VK_P);
    EXPECT_FALSE(frame_state().paused);
    EXPECT_EQ(notice().text, String("Resume"));
    frames(1);
    EXPECT_GT(app.users, users);
    EXPECT_GT(app.paints, paints);
}

TEST_F(Shortcuts, AltReturnTwiceGrowsToTheDesktopThenReturnsToThe1xSize) {
    chord(platform::VK_RETURN, {platform::VK_L_MENU});
    EXPECT_TRUE(frame_state().desktop_window);
    EXPECT_EQ(window().width, 1280);
    EXPECT_EQ(window().height, 1024);
    chord(platform::VK_RETURN, {platform::VK_L_MENU});
    EXPECT_FALSE(frame_state().desktop_window);
    EXPECT_EQ(window().width, 256);
    EXPECT_EQ(window().height, 224);
}

TEST_F(Shortcuts, TheSoundPausesWithTheFocusAndThePauseAndStopsAtAReset) {
    // These frames run outside App::run, so the hooks it installs are set here.
    set_sound_focus_hooks(pause_all_sources, resume_all_sources);
    open_audio();
    std::vector<uint8_t> silence(800, 128);
    uint32_t buffer = create_audio_buffer(silence.data(), silence.size(), SampleFormat::MONO8, 8000);
    AudioSource* s = play_on_group(audio_device().group_a, buffer, 0, Playback::LOOPING);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(play_state(*s), PlayState::PLAYING);
    backend.set_active(false);
    frames(2);
    EXPECT_EQ(play_state(*s), PlayState::PAUSED) << "focus lost";
    backend.set_active(true);
    frames(2);
    EXPECT_EQ(play_state(*s), PlayState::PLAYING) << "focus back";
    frames(FIRST_KEY_STEP);
    chord(platform::VK_P);
    EXPECT_EQ(play_state(*s), PlayState::PAUSED) << "paused";
    chord(platform::VK_P);
    EXPECT_EQ(play_state(*s), PlayState::PLAYING) << "resumed";
    reset_engine();
    EXPECT_EQ(play_state(*s), PlayState::STOPPED) << "reset";
    close_audio();
    delete_audio_buffer(buffer);
    set_sound_focus_hooks(nullptr, nullptr);
}

TEST_F(Shortcuts, AScreenshotWithoutAPictureSaysItFailedAndWhy) {
    // The null renderer keeps the screen target's size but holds no pixels:
    // with a desktop to write to, the picture is still missing.
    TempFolder desktop;
    SystemProfile::instance().desktop_directory = String(desktop.path().string() + "/");
    frame_state().screen_target.create(256, 224);
    testing::internal::CaptureStdout();
    chord(platform::VK_S);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(notice().text, String("Screenshot failed"));
    EXPECT_NE(out.find("save_screenshot: cannot write '" + desktop.path().string() + "/halvane-screenshot-"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(".png': no picture to read"), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::is_empty(desktop.path())) << desktop.listing();
}

TEST(Notice, TheBoxFadesOutOverTheLastTwoHundredMilliseconds) {
    const uint32_t t = 5000;
    const uint64_t until = t + 1000;
    struct Case {
        uint32_t now;
        int32_t alpha;
    };
    // 255 scaled to 180; in the last 200 ms r x 255 / 200 first: 100 ms left gives 127, then 89.
    const Case cases[] = {{t, 180}, {t + 800, 180}, {t + 900, 89}, {t + 999, 0}, {t + 1000, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(notice_alpha(until, c.now), c.alpha) << "at T+" << c.now - t;
    EXPECT_EQ(notice_alpha(until, t + 1001), std::nullopt);
    // Shown 900 ms before the clock wrapped: 116 ms left gives 147, then 103.
    EXPECT_EQ(notice_alpha(0xFFFFFC7Cull + 1000, 0xFFFFFFF0u), 103);
}

TEST_F(FrameTest, ANoticeLastsOneSecondAndASecondOneRestartsIt) {
    const uint32_t t = 0xFFFFFE00u; // 512 ms before the 32-bit clock wraps
    backend.set_time(t);
    testing::internal::CaptureStdout();
    show_notice(String("2x Window"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "2x Window\n");
    // The end is counted in 64 bits: the carry of the 32-bit sum goes high.
    EXPECT_EQ(notice().until, uint64_t{t} + 1000);
    backend.advance(200);
    testing::internal::CaptureStdout();
    show_notice(String("Stretch"));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(notice().until, uint64_t{t} + 1200);
    // The clock has wrapped by the end; at exactly the end the notice is still there.
    backend.set_time(static_cast<uint32_t>(uint64_t{t} + 1200));
    draw_notice();
    EXPECT_NE(notice().until, 0u);
    EXPECT_EQ(notice().text, String("Stretch"));
    backend.advance(1);
    draw_notice();
    EXPECT_EQ(notice().until, 0u);
}

using Screenshot = FrameTest;

TEST_F(Screenshot, TheFileIsNamedByTheLocalTime) {
    struct Case {
        platform::LocalTime time;
        const char* name;
    };
    const Case cases[] = {
        {{2013, 3, 5, 7, 8, 9}, "halvane-screenshot-20130305-070809.png"},
        {{2024, 12, 31, 23, 59, 58}, "halvane-screenshot-20241231-235958.png"},
        // A leap second, and a year of fewer than four digits.
        {{2016, 12, 31, 23, 59, 60}, "halvane-screenshot-20161231-235960.png"},
        {{999, 10, 1, 0, 0, 0}, "halvane-screenshot-09991001-000000.png"},
    };
    for (const Case& c : cases) {
        backend.set_local_time(c.time);
        EXPECT_EQ(screenshot_file_name(), String(c.name));
    }
}
