#include "frame_fixture.hpp"
#include "text_rows.hpp"

#include "data/temp_folder.hpp"
#include "lum/app/booter.hpp"
#include "lum/app/main_loop.hpp"
#include "lum/app/signals.hpp"
#include "lum/data/folders.hpp"
#include "lum/error/exception.hpp"
#include "lum/platform/window.hpp"

#include <string>
#include <vector>

using namespace lum;
using namespace lum::test;

namespace {

class BootTask : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        renderer().screen_width = 256;
        renderer().screen_height = 224;
        renderer().window_width = 512;
        renderer().window_height = 448;
        open_window(512, 448);
        booter.libs_step.run = [] {};
    }

    // Lets the window close only at the n-th request; each refusal asks again
    // at the next poll, so the halted boot draws n frames.
    void close_at_request(int n) {
        platform::set_window_close_handler([this, n] {
            if (++close_requests >= n)
                return true;
            backend.request_close();
            return false;
        });
        backend.request_close();
    }

    Booter booter;
    int close_requests = 0;
};

} // namespace

TEST_F(BootTask, BeginCoversTheScreenTakesTheBootGreyAndRegistersItself) {
    display().border_colour = RGB(1, 2, 3);
    display().backdrop_colour = RGB(4, 5, 6);
    booter.begin();
    EXPECT_EQ(booter.screen().text_screen().columns(), 32);
    EXPECT_EQ(booter.screen().text_screen().rows(), 28);
    EXPECT_EQ(display().border_colour, RGB(32, 32, 32));
    EXPECT_EQ(display().backdrop_colour, RGB(32, 32, 32));
    EXPECT_EQ(current_boot_task(), &booter);
    // The shipped picture is a 256 x 224 PNG.
    EXPECT_EQ(booter.pictures()[0].format_name(), String("PNG"));
    EXPECT_EQ(booter.pictures()[0].width(), 256);
    EXPECT_EQ(booter.pictures()[0].height(), 224);

    WindowSettings settings;
    settings.screen_width = 99;
    booter.setup_window(settings);
    EXPECT_EQ(settings.title, String("Halvane Bootstrap Loader"));
    EXPECT_EQ(settings.screen_width, 99);
}

TEST_F(BootTask, AFailedStepHaltsOnTheReportUntilTheWindowClosesThenEndsAsAClose) {
    booter.audio_step.run = [this] {
        close_at_request(3);
        throw AudioOpenDeviceException();
    };
    booter.joypad_step.run = [] { ADD_FAILURE() << "a step ran after the failed one"; };
    const int swaps = backend.swap_count();
    const uint64_t slept = backend.slept();
    bool closed = false;
    testing::internal::CaptureStdout();
    try {
        run_task(booter);
    } catch (WindowCloseExceptionType) {
        closed = true;
    }
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(booter.running);
    // One frame of the task loop, then three halted frames of 100 ms sleep each.
    EXPECT_EQ(backend.swap_count() - swaps, 4);
    EXPECT_GE(backend.slept() - slept, 300u);
    const TextScreen& text = booter.screen().text_screen();
    EXPECT_EQ(row_text(text, booter.screen().row - 1), "  Init Audio...Fault (AudioOpenD");
    EXPECT_EQ(row_text(text, booter.screen().row - 2), "    Window: 512x448");
    EXPECT_EQ(row_text(text, booter.screen().row), "");
}

TEST(BootPicture, AMissingPictureEndsTheProgramWithExitStatusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("LUM_MESSAGE_BOX", "ok", 1);
            TempFolder empty;
            set_special_folders(String(empty.path().string()), String("/"), String("/"));
            ScriptedBackend backend;
            platform::use_backend(&backend);
            ScriptedApp app;
            app.run();
            std::exit(0);
        },
        testing::ExitedWithCode(1),
        "Fault: Runtime Execption in lum::Booter::begin\\(\\)\n\nHalvane Exception=.*FileOpenException");
}
