#include "bindwell_fixture.hpp"

#include "lum/app/boot/booter.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/renderer.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace lum;
using namespace lum::test;

namespace {

// Pixels of text row y of the current 256 x 224 target that are near white.
int lit_pixels_in_row(int y) {
    std::array<unsigned char, 256 * 8 * 4> pixels{};
    glReadPixels(0, 224 - 8 * (y + 1), 256, 8, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int lit = 0;
    for (size_t i = 0; i < pixels.size(); i += 4)
        lit += pixels[i] > 200 && pixels[i + 1] > 200 && pixels[i + 2] > 200 ? 1 : 0;
    return lit;
}

// The first row of the boot report that holds text, or -1.
int report_row(Booter& booter, const std::string& text) {
    const TextScreen& screen = booter.screen().text_screen();
    for (int32_t y = 0; y < screen.rows(); ++y)
        if (row_text(screen, y).find(text) != std::string::npos)
            return y;
    return -1;
}

class HiddenBindwellRun : public BindwellRun {
  protected:
    HiddenBindwellRun() : BindwellRun(WindowKind::HIDDEN) {}
    void SetUp() override {
        BindwellRun::SetUp();
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    }
};

} // namespace

TEST_F(HiddenBindwellRun, AJoypadFileThatDoesNotParseHaltsTheBootWithItsFaultLineOnTheScreen) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    folder.write_save_file("joypad.yaml", input_sample("malformed/joypad_unclosed.yaml"));
    // While halted, the report is painted into the screen target before each
    // poll: the fault line is wider than the screen, so it goes on over the
    // next rows; they are lit there, the row below its end is not.
    bool seen = false;
    backend.set_poll_hook([this, &seen] {
        Booter* booter = current_boot_task();
        const int row = booter && !seen ? report_row(*booter, "Init Joypad...Fault (") : -1;
        if (row < 0)
            return;
        seen = true;
        const int end = booter->screen().row;
        std::string line;
        bool lit = true;
        push_target(frame_state().screen_target);
        for (int r = row; r < end; ++r) {
            // Every row of the line starts at the section's two-cell margin.
            line += row_text(booter->screen().text_screen(), r).substr(2);
            lit = lit && lit_pixels_in_row(r) > 40;
        }
        const bool below = end < 28 && lit_pixels_in_row(end) > 0;
        pop_target();
        std::fprintf(stderr, "halted: %s; lit %s\n", line.c_str(),
                     lit && !below ? "on its rows only" : "wrongly");
        backend.request_close();
    });
    EXPECT_EXIT(bindwell.run(), testing::ExitedWithCode(1),
                "halted: Init Joypad\\.\\.\\.Fault \\(line 3, column 1: did not find expected ',' or '\\]' "
                "\\(DataParseException[^;]*\\)\\); lit on its rows only\n");
}
