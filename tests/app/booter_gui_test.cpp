#include "frame_fixture.hpp"

#include "lum/app/booter.hpp"
#include "lum/app/main_loop.hpp"
#include "lum/app/signals.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/gl.hpp"
#include "lum/graphics/system_font_gl.hpp"
#include "lum/platform/window.hpp"

#include <array>
#include <cstdlib>

using namespace lum;
using namespace lum::test;

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
        display().screen_target.create(256, 224);
        display().graphics_ready = true;
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
    push_target(display().screen_target);
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
