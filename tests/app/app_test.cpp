#include "frame_fixture.hpp"

#include "lum/app/booter.hpp"
#include "lum/app/main_loop.hpp"
#include "lum/app/signals.hpp"
#include "lum/error/exception.hpp"

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
        s.screen_width = c.screen_w;
        s.screen_height = c.screen_h;
        s.window_width = c.window_w;
        s.window_height = c.window_h;
        s.scale = c.scale;
        s.normalise();
        EXPECT_EQ(s.screen_width, c.want_screen_w);
        EXPECT_EQ(s.screen_height, c.want_screen_h);
        EXPECT_EQ(s.window_width, c.want_window_w);
        EXPECT_EQ(s.window_height, c.want_window_h);
    }
}

TEST_F(FrameTest, TheWindowFollowsTheApplicationsSettings) {
    app.at(1, [&] { app.die(); });
    run_app();
    EXPECT_EQ(backend.window_size().width, 512);
    EXPECT_EQ(backend.window_size().height, 448);
    EXPECT_EQ(backend.title(), String("Frame Test"));
    EXPECT_EQ(renderer().screen_width, 256);
    EXPECT_EQ(renderer().screen_height, 224);
    EXPECT_EQ(display().desktop_width, 1280);
    EXPECT_EQ(display().desktop_depth, 24);
    EXPECT_EQ(display().border_colour, RGB(48, 48, 48));
    EXPECT_EQ(display().backdrop_colour, RGB(32, 32, 32));
}

TEST_F(FrameTest, DieFromUserEndsTheProgramNormally) {
    app.at(3, [&] { app.die(); });
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "850 Normal Exit"}));
    EXPECT_EQ(app.users, 3);
    EXPECT_EQ(app.ends, 1);
}

TEST_F(FrameTest, DieFromBeginStillRunsEndAndEndsNormally) {
    app.on_begin = [&] { app.die(); };
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "850 Normal Exit"}));
    EXPECT_EQ(app.users, 0);
    EXPECT_EQ(app.ends, 1);
}

TEST_F(FrameTest, AWindowCloseEndsTheProgramWithoutTheEndStep) {
    app.at(5, [&] { backend.request_close(); });
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "851 Terminate with Window Close"}));
    EXPECT_EQ(app.ends, 0);
}

TEST_F(FrameTest, ResetsRestartTheMainTaskFromBegin) {
    int software = 0, hardware = 0;
    app.on_software = [&] {
        ++software;
        EXPECT_EQ(display().phase, Terminating);
        EXPECT_TRUE(display().task_stack.empty());
    };
    app.on_hardware = [&] { ++hardware; };
    app.on_user = [&] {
        if (app.begins == 1)
            throw SoftwareResetExceptionType::SIGNAL;
        if (app.begins == 2)
            throw HardwareResetExceptionType::SIGNAL;
        app.die();
    };
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "810 Software Reset", "100 Begin Program",
                                  "820 Hardware Reset", "100 Begin Program", "850 Normal Exit"}));
    EXPECT_EQ(software, 1);
    EXPECT_EQ(hardware, 1);
    EXPECT_EQ(app.begins, 3);
    EXPECT_EQ(app.ends, 1);
}

TEST_F(FrameTest, AFailingUserStepIsReportedAndEndsAsAWindowClose) {
    app.at(2, [] { throw 42; });
    run_app();
    EXPECT_NE(err.find("Fault: Runtime Execption in lum::test::ScriptedApp::user()\n\nint=42\n"),
              std::string::npos)
        << err;
    EXPECT_EQ(records(), (Records{"100 Begin Program", "851 Terminate with Window Close"}));
    EXPECT_EQ(app.ends, 0);
}

TEST_F(FrameTest, FailuresOfPaintEndTheProgramByTheirKind) {
    app.on_paint = [] { throw FileOpenException(String("cannot read 'x'")); };
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "852 Terminate by User Exception"}));
    EXPECT_NE(out.find("852 Terminate by User Exception\ncannot read 'x' (FileOpenException例外です。)\n"),
              std::string::npos)
        << out;
    reset_frame_state();
    app.on_paint = [] { throw 3; };
    run_app();
    EXPECT_EQ(records(), (Records{"100 Begin Program", "853 Terminate by User Exception2"}));
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
        EXPECT_TRUE(display().task_stack.empty());
    }
}

TEST_F(Boot, AFailingStepLeavesItsFaultLineAndWaitsForTheWindowToClose) {
    booter.audio_step.run = [this] {
        backend.request_close();
        throw AudioOpenDeviceException();
    };
    bool closed = false;
    booter.joypad_step.run = [] { ADD_FAILURE() << "a step ran after the failed one"; };
    testing::internal::CaptureStdout();
    try {
        run_task(booter);
    } catch (WindowCloseExceptionType) {
        closed = true;
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(closed);
    EXPECT_EQ(steps, std::vector<std::string>{"Libs"});
    EXPECT_NE(out.find("Init Audio...Fault (AudioOpenDeviceException例外です。)\n"), std::string::npos)
        << out;
}
