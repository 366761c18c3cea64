#include "support/frame_fixture.hpp"

#include "lum/app/boot/booter.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/audio/audio_buffer.hpp"
#include "lum/audio/audio_device.hpp"
#include "lum/error/exception.hpp"
#include "lum/platform/window.hpp"

#include <algorithm>

using namespace lum;
using namespace lum::test;

using Records = std::vector<std::string>;

TEST(WindowSettings, NormalisingFillsTheScreenAndWindowSizes) {
    struct Case {
        int32_t screen_w, screen_h, window_w, window_h, scale;
        int32_t want_screen_w, want_screen_h, want_window_w, want_window_h;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 320, 240, 640, 480},     {256, 0, 0, 0, 0, 320, 240, 640, 480},
        {256, 224, 0, 0, 0, 256, 224, 512, 448}, {256, 224, 0, 0, 3, 256, 224, 768, 672},
        {256, 224, 10, 5, 0, 256, 224, 16, 16},  {256, 224, 700, 0, 1, 256, 224, 256, 224},
        {256, 224, 0, 0, -1, 256, 224, 16, 16},
    };
    for (const Case& c : cases) {
        WindowSettings s;
        s.screen_width = c.screen_w, s.screen_height = c.screen_h;
        s.window_width = c.window_w, s.window_height = c.window_h;
        s.scale = c.scale;
        s.normalise();
        EXPECT_EQ(std::vector({s.screen_width, s.screen_height, s.window_width, s.window_height}),
                  std::vector({c.want_screen_w, c.want_screen_h, c.want_window_w, c.want_window_h}));
    }
}

TEST_F(FrameTest, TheStartOpensTheWindowByTheSettingsAndTheAudioDevice) {
    bool audio_open = false;
    app.at(1, [&] {
        audio_open = audio_device().is_open();
        app.die();
    });
    run_app();
    EXPECT_EQ(backend.window_size().width, 512);
    EXPECT_EQ(backend.window_size().height, 448);
    EXPECT_EQ(backend.title(), String("Frame Test"));
    EXPECT_EQ(renderer().screen_width, 256);
    // The virtual window has no OpenGL: the null renderer still keeps the
    // screen target at the screen's size and the letterboxed viewport.
    EXPECT_EQ(frame_state().screen_target.width(), 256);
    EXPECT_EQ(frame_state().screen_target.height(), 224);
    EXPECT_EQ(renderer().viewport_width, 512);
    EXPECT_EQ(renderer().viewport_height, 448);
    EXPECT_EQ(frame_state().desktop_depth, 24);
    EXPECT_EQ(frame_state().border_colour, RGB(48, 48, 48));
    EXPECT_EQ(frame_state().backdrop_colour, RGB(32, 32, 32));
    EXPECT_TRUE(audio_open);
    EXPECT_EQ(app.audio, &audio_device());
    EXPECT_EQ(app.group_a->sources.size(), 2u);
    EXPECT_EQ(app.group_b->sources.size(), 8u);
}

TEST_F(FrameTest, TheRunPausesItsSoundWhileTheWindowIsOutOfFocus) {
    std::vector<uint8_t> silence(800, 128);
    uint32_t buffer = 0;
    AudioSource* music = nullptr;
    // The music's state in each frame painted out of focus, and after it.
    std::vector<PlayState> away;
    PlayState back = PlayState::INITIAL;
    int polls_away = 0;
    app.at(1, [&] {
        buffer = create_audio_buffer(silence.data(), silence.size(), SampleFormat::MONO8, 8000);
        music = play_on_group(audio_device().group_a, buffer, 0, Playback::LOOPING);
        backend.set_active(false);
    });
    app.on_paint = [&] {
        if (music && !platform::window_active())
            away.push_back(play_state(*music));
    };
    backend.set_poll_hook([&] {
        if (music && !platform::window_active() && ++polls_away == 3)
            backend.set_active(true);
    });
    // User steps run only in focus. The second follows the poll that saw the
    // focus back; the next frame's input step resumes the sound before the third.
    app.at(3, [&] {
        back = play_state(*music);
        app.die();
    });
    run_app();
    ASSERT_NE(music, nullptr);
    EXPECT_FALSE(away.empty());
    EXPECT_EQ(std::count(away.begin(), away.end(), PlayState::PAUSED), std::ssize(away));
    EXPECT_EQ(back, PlayState::PLAYING);
    close_audio();
    delete_audio_buffer(buffer);
}

TEST_F(FrameTest, EachWayTheMainTaskEndsHasItsRecords) {
    struct Case {
        const char* what;
        std::function<void(ScriptedApp&, ScriptedBackend&)> script;
        std::string record;
        int ends;
        std::string also; // on standard output, or for the runtime report on standard error
    };
    const Case cases[] = {
        {"die in user()", [](ScriptedApp& a, ScriptedBackend&) { a.at(3, [&a] { a.die(); }); },
         "850 Normal Exit", 1, ""},
        {"die in begin()", [](ScriptedApp& a, ScriptedBackend&) { a.on_begin = [&a] { a.die(); }; },
         "850 Normal Exit", 1, ""},
        {"window closed", [](ScriptedApp& a, ScriptedBackend& b) { a.at(5, [&b] { b.request_close(); }); },
         "851 Terminate with Window Close", 0, ""},
        {"user() throws 42", [](ScriptedApp& a, ScriptedBackend&) { a.at(2, [] { throw 42; }); },
         "851 Terminate with Window Close", 0,
         "Fault: Runtime Execption in lum::test::ScriptedApp::user()\n\nint=42\n"},
        {"paint() throws an Exception",
         [](ScriptedApp& a, ScriptedBackend&) {
             a.on_paint = [] { throw FileOpenException(String("no 'x'")); };
         },
         "852 Terminate by User Exception", 0,
         "852 Terminate by User Exception\nno 'x' (FileOpenException例外です。)\n"},
        {"paint() throws 3", [](ScriptedApp& a, ScriptedBackend&) { a.on_paint = [] { throw 3; }; },
         "853 Terminate by User Exception2", 0, ""},
    };
    for (const Case& c : cases) {
        reset_frame_state();
        ScriptedApp a;
        c.script(a, backend);
        run_app(a);
        EXPECT_EQ(records(), (Records{"100 Begin Program", c.record, "888 Audio monitor kill",
                                      "888 Audio monitor terminated"}))
            << c.what;
        EXPECT_EQ(a.ends, c.ends) << c.what;
        EXPECT_NE((out + err).find(c.also), std::string::npos) << c.what << "\n" << out << err;
    }
}

TEST_F(FrameTest, ResetsRestartTheMainTaskFromBegin) {
    app.on_user = [&] {
        if (app.begins == 1)
            throw SoftwareResetExceptionType::SIGNAL;
        if (app.begins == 2)
            throw HardwareResetExceptionType::SIGNAL;
        app.die();
    };
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "810 Software Reset", "100 Begin Program",
                                  "820 Hardware Reset", "100 Begin Program", "850 Normal Exit",
                                  "888 Audio monitor kill", "888 Audio monitor terminated"}));
    EXPECT_EQ(app.software_resets, 1);
    EXPECT_EQ(app.hardware_resets, 1);
    EXPECT_EQ(app.begins, 3);
    EXPECT_EQ(app.ends, 1);
}

TEST(AppStart, WithoutAWindowSystemTheBootEndsTheProcessWithOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("LUM_MESSAGE_BOX", "ok", 1);
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            ScriptedApp app;
            app.run();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "Fault: グラフィック初期化の例外です。\n\n\\[VERSION\\] \n");
}

namespace {

class Boot : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        open_window(640, 480);
        auto note = [this](const char* name) { return [this, name] { steps.push_back(name); }; };
        booter.audio_step.run = note("Audio");
        booter.joypad_step.run = note("Joypad");
        booter.libs_step.run = note("Libs");
    }
    Booter booter;
    std::vector<std::string> steps;
};

} // namespace

TEST_F(Boot, RunsTheStartStepsInOrderWithFramesByItsMode) {
    // Mode 2 adds a frame after each of the report's 58 new lines.
    const int frames_by_mode[] = {1, 3, 61};
    for (int mode = 0; mode < 3; ++mode) {
        steps.clear();
        booter.boot_screen_mode = mode;
        int before = backend.swap_count();
        run_task(booter);
        EXPECT_EQ(steps, (std::vector<std::string>{"Libs", "Audio", "Joypad"}));
        EXPECT_EQ(backend.swap_count() - before, frames_by_mode[mode]) << "mode " << mode;
    }
}

TEST_F(Boot, AFailingStepLeavesItsFaultLineAndWaitsForTheWindowToClose) {
    booter.audio_step.run = [this] {
        backend.request_close();
        throw AudioOpenDeviceException();
    };
    booter.joypad_step.run = [] { ADD_FAILURE() << "a step ran after the failed one"; };
    testing::internal::CaptureStdout();
    EXPECT_THROW(run_task(booter), WindowCloseExceptionType);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(steps, std::vector<std::string>{"Libs"});
    EXPECT_NE(out.find("Init Audio...Fault (AudioOpenDeviceException例外です。)\n"), std::string::npos)
        << out;
}
