// The boot task: the report, its steps and the halted boot, on the scripted
// window and on a real hidden one.
#include "support/frame_fixture.hpp"
#include "support/temp_folder.hpp"
#include "support/text_rows.hpp"

#include "lum/app/boot/booter.hpp"
#include "lum/app/frame/frame_stamp.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/data/folders.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/font/system_font_drawing.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/platform/window.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>
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
    frame_state().border_colour = RGB(1, 2, 3);
    frame_state().backdrop_colour = RGB(4, 5, 6);
    booter.begin();
    EXPECT_EQ(booter.screen().text_screen().columns(), 32);
    EXPECT_EQ(booter.screen().text_screen().rows(), 28);
    EXPECT_EQ(frame_state().border_colour, RGB(32, 32, 32));
    EXPECT_EQ(frame_state().backdrop_colour, RGB(32, 32, 32));
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
    // Halted frames are presented as every frame is, first-frame stamp
    // included. The stamps come once per process and phase, so a fresh process
    // whose first frame of the boot is a halted one shows it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv(FRAME_STAMP_VARIABLE, "1", 1);
            booter.begin();
            const int before = backend.swap_count();
            close_at_request(2);
            try {
                booter.run_boot_step({String("Audio"), [] { throw AudioOpenDeviceException(); }});
            } catch (WindowCloseExceptionType) {
                std::fprintf(stderr, "closed after %d frames\n", backend.swap_count() - before);
                std::exit(1);
            }
            std::exit(0);
        },
        testing::ExitedWithCode(1),
        "lum\\.first_frame phase=booting epoch_us=[0-9]+\nclosed after 2 frames\n");

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
    // The fault line is wider than the screen's 32 columns: it goes on at the
    // section's margin on the next row.
    EXPECT_EQ(row_text(text, booter.screen().row - 2), "  Init Audio...Fault (AudioOpenD");
    EXPECT_EQ(row_text(text, booter.screen().row - 1), "  eviceException例外です。)");
    EXPECT_EQ(row_text(text, booter.screen().row - 3), "    Window: 512x448");
    EXPECT_EQ(row_text(text, booter.screen().row), "");
}

TEST(BootPicture, AMissingPictureEndsTheProgramWithExitStatusOneNamingEveryPathTried) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("LUM_MESSAGE_BOX", "ok", 1);
            TempFolder empty;
            set_special_folders(String(empty.path().string()), String("/"), String("/"));
            // As if installed as PREFIX/bin/game with nothing under PREFIX/share.
            set_program_file(String(empty.path().string() + "/prefix/bin/game"));
            ScriptedBackend backend;
            platform::use_backend(&backend);
            ScriptedApp app;
            app.run();
            std::exit(0);
        },
        testing::ExitedWithCode(1),
        "Fault: Runtime Execption in lum::Booter::begin\\(\\)\n\nHalvane Exception="
        "cannot open 'png': not found in '/[^']*/png', '/[^']*/prefix/share/game/png', "
        "'/[^']*/prefix/bin/png' \\(FileOpenException");
}

namespace {

struct Pixel {
    int r, g, b;
};

// A pixel of the current target, (x, y) counted from the top left.
Pixel pixel_at(int x, int y, int height) {
    std::array<unsigned char, 4> p{};
    glReadPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return {p[0], p[1], p[2]};
}

// Pixels of one 8-pixel text row of the screen target that are near white.
int white_pixels_in_row(int row) {
    int count = 0;
    for (int y = row * 8; y < row * 8 + 8; ++y)
        for (int x = 0; x < 256; ++x) {
            const Pixel p = pixel_at(x, y, 224);
            count += p.r > 200 && p.g > 200 && p.b > 200 ? 1 : 0;
        }
    return count;
}

// The boot on a real hidden window with the renderer started as App::run starts it.
class GuiBoot : public FrameTest {
  protected:
    GuiBoot() : FrameTest(WindowKind::HIDDEN) {}
    void SetUp() override {
        FrameTest::SetUp();
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        RendererState& r = renderer();
        r.screen_width = 256;
        r.screen_height = 224;
        r.window_width = 512;
        r.window_height = 448;
        open_window(512, 448);
        GraphicsStartHooks hooks;
        hooks.build_system_font = [] { build_system_font(RGBA(0, 0, 0, 0)); };
        graphics_start(hooks);
        frame_state().screen_target.create(256, 224);
        booter.libs_step.run = [] {};
    }
    Booter booter;
};

} // namespace

TEST_F(GuiBoot, TheHaltedBootShowsTheReportWithItsFaultLine) {
    booter.joypad_step.run = [this] {
        backend.request_close();
        throw DataParseException();
    };
    testing::internal::CaptureStdout();
    EXPECT_THROW(run_task(booter), WindowCloseExceptionType);
    testing::internal::GetCapturedStdout();

    const int fault_row = booter.screen().row - 1;
    ASSERT_EQ(fault_row, 26);
    push_target(frame_state().screen_target);
    const int fault_pixels = white_pixels_in_row(fault_row);
    const int blank_pixels = white_pixels_in_row(fault_row + 1);
    // Bottom right, clear of text: the picture's own dark blue.
    const Pixel picture = pixel_at(250, 220, 224);
    pop_target();
    EXPECT_GT(fault_pixels, 40);
    EXPECT_EQ(blank_pixels, 0);
    EXPECT_NEAR(picture.r, 2, 3);
    EXPECT_NEAR(picture.g, 10, 3);
    EXPECT_NEAR(picture.b, 41, 3);
}
