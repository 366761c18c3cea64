#include "support/frame_fixture.hpp"

#include "lum/app/frame/main_loop.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/graphics/colour_list.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/frame_drawing.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/gl/gl_renderer.hpp"
#include "lum/graphics/picture.hpp"
#include "support/temp_folder.hpp"

#include <array>
#include <filesystem>

using namespace lum;
using namespace lum::test;

namespace {

struct Pixel {
    int r, g, b;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Pixel& p) {
        return o << "(" << p.r << "," << p.g << "," << p.b << ")";
    }
};

// A pixel of the current target, (x, y) counted from the top left.
Pixel pixel_at(int x, int y, int height) {
    std::array<unsigned char, 4> p{};
    glReadPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return {p[0], p[1], p[2]};
}

bool near(const Pixel& p, const Pixel& q) {
    return std::abs(p.r - q.r) <= 3 && std::abs(p.g - q.g) <= 3 && std::abs(p.b - q.b) <= 3;
}

// The application on a real hidden window with OpenGL.
class GuiFrame : public FrameTest {
  protected:
    GuiFrame() : FrameTest(WindowKind::HIDDEN) {}
    void SetUp() override {
        FrameTest::SetUp();
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    }
};

} // namespace

TEST_F(GuiFrame, TheWindowShowsBorderBackdropPictureAndANoticeWithRoundCorners) {
    // The left half of the screen is red, the right half left transparent.
    app.on_paint = [] {
        clear_target(RGBA(0, 0, 0, 0));
        draw_rect(ColourList(RGBA(200, 0, 0, 255)), 0, 0, 128, 224);
    };
    std::array<Pixel, 5> seen{};
    // The boot's library step letterboxes the screen; this test looks at it at 1x.
    app.on_begin = [] { renderer().screen_mode = FIXED_SCALE; };
    app.at(2, [] { show_notice(String("3x Window")); });
    app.at(3, [&] {
        ASSERT_EQ(&frame_recorder().beneath(), &gl_renderer());
        draw_frame();
        // At 1x the 256 x 224 picture sits at (128, 112) of the 512 x 448 window.
        auto window = [](float x, float y) {
            return pixel_at(128 + static_cast<int>(x), 112 + static_cast<int>(y), 448);
        };
        seen = {pixel_at(5, 5, 448), window(200, 50), window(60, 50), window(50.5f, 210.5f),
                window(14.5f, 196.5f)};
        app.die();
    });
    run_app();
    EXPECT_TRUE(near(seen[0], {48, 48, 48})) << "border " << seen[0];
    EXPECT_TRUE(near(seen[1], {32, 32, 32})) << "backdrop " << seen[1];
    EXPECT_TRUE(near(seen[2], {200, 0, 0})) << "picture " << seen[2];
    // The box is black at 180 of 255 over the red: 200 x 75 / 255.
    EXPECT_TRUE(near(seen[3], {59, 0, 0})) << "notice box " << seen[3];
    // Its corner is cut off with the window's stencil.
    EXPECT_TRUE(near(seen[4], {200, 0, 0})) << "notice corner " << seen[4];
}

TEST_F(GuiFrame, ControlAltF3After3KeepsTheWindowAndCentresThePictureAt1x) {
    chord_at(20, platform::VK_3);
    chord_at(30, 0x72);
    app.at(40, [&] { app.die(); });
    run_app();
    EXPECT_EQ(backend.window_size().width, 768);
    EXPECT_EQ(backend.window_size().height, 672);
    const RendererState& r = renderer();
    EXPECT_EQ(r.screen_mode, FIXED_SCALE);
    EXPECT_EQ(r.scale, 1.0f);
    EXPECT_EQ(r.viewport_x, 256);
    EXPECT_EQ(r.viewport_y, 224);
    EXPECT_EQ(r.viewport_width, 256);
    EXPECT_EQ(r.viewport_height, 224);
}

TEST_F(GuiFrame, AScreenshotIsTheScreenTargetAsAnUprightPng) {
    TempFolder desktop;
    SystemProfile::instance().desktop_directory = String(desktop.path().string() + "/");
    // Green above, blue below, and one white pixel at the top left.
    app.on_paint = [] {
        clear_target(RGBA(0, 0, 200, 255));
        draw_rect(ColourList(RGBA(0, 200, 0, 255)), 0, 0, 256, 112);
        draw_rect(ColourList(RGBA(255, 255, 255, 255)), 0, 0, 1, 1);
    };
    std::vector<Pixel> target;
    chord_at(20, platform::VK_S);
    app.at(30, [&] {
        push_target(frame_state().screen_target);
        for (int y = 0; y < 224; ++y)
            for (int x = 0; x < 256; ++x)
                target.push_back(pixel_at(x, y, 224));
        pop_target();
        app.die();
    });
    run_app();
    EXPECT_EQ(notice().text, String("Screenshot saved"));
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(desktop.path()))
        files.push_back(e.path());
    ASSERT_EQ(files.size(), 1u) << desktop.listing();
    EXPECT_EQ(files[0].filename().string().rfind("halvane-screenshot-", 0), 0u);
    EXPECT_EQ(files[0].extension(), ".png");

    Picture shot;
    shot.decode(Path(String(files[0].string())));
    EXPECT_EQ(shot.format_name(), String("PNG"));
    ASSERT_EQ(shot.width(), 256);
    ASSERT_EQ(shot.height(), 224);
    EXPECT_EQ(shot.bits_per_pixel(), 24);
    auto at = [&](int x, int y) {
        RGBA c = shot.pixel(x, y);
        return Pixel{c.r, c.g, c.b};
    };
    EXPECT_EQ(at(0, 0), (Pixel{255, 255, 255}));
    EXPECT_EQ(at(100, 50), (Pixel{0, 200, 0}));
    EXPECT_EQ(at(100, 200), (Pixel{0, 0, 200}));
    int differing = 0;
    for (int y = 0; y < 224; ++y)
        for (int x = 0; x < 256; ++x)
            differing += at(x, y) == target[static_cast<size_t>(y) * 256 + x] ? 0 : 1;
    EXPECT_EQ(differing, 0);
}

TEST_F(GuiFrame, AScreenshotThatCannotBeWrittenSaysSoAndWhy) {
    // Not even root may create files in /proc.
    SystemProfile::instance().desktop_directory = String("/proc/");
    chord_at(20, platform::VK_S);
    app.at(30, [&] { app.die(); });
    run_app();
    EXPECT_EQ(notice().text, String("Screenshot failed"));
    EXPECT_NE(out.find("save_screenshot: cannot write '/proc/halvane-screenshot-"), std::string::npos) << out;
    EXPECT_EQ(out.find("Screenshot saved"), std::string::npos);
}

TEST_F(GuiFrame, AWindowClosedByItsUserEndsTheProgramWithTheCloseRecords) {
    app.at(30, [&] { backend.request_close(); });
    run_app();
    EXPECT_EQ(&frame_recorder().beneath(), &gl_renderer());
    EXPECT_EQ(records(),
              (std::vector<std::string>{"100 Begin Program", "851 Terminate with Window Close",
                                        "888 Audio monitor kill", "888 Audio monitor terminated"}));
    EXPECT_EQ(app.users, 30);
    EXPECT_EQ(app.ends, 0);
    EXPECT_EQ(backend.title(), String("Frame Test"));
}
