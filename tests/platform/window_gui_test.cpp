#include "lum/platform/scripted/scripted_backend.hpp"
#include "lum/platform/time.hpp"
#include "lum/platform/window.hpp"
#include "support/run_process.hpp"

#include <gtest/gtest.h>

using namespace lum::platform;

namespace {

// The real window system with one hidden window for each test.
class RealWindow : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(start_window_system()) << "needs a display (run under xvfb-run)";
        WindowRequest r;
        r.width = 320;
        r.height = 240;
        r.stencil_bits = 8;
        r.visible = false;
        r.title = lum::String("lum window test");
        ASSERT_TRUE(open_window(r));
    }
    void TearDown() override { stop_window_system(); }
};

} // namespace

TEST_F(RealWindow, HasACurrentContextUntilClosed) {
    EXPECT_TRUE(context_current());
    EXPECT_EQ(window_system_version().major, 3);
    close_window();
    EXPECT_FALSE(context_current());
    EXPECT_EQ(gl_function("glGenFramebuffers"), nullptr);
}

TEST_F(RealWindow, DesktopModeIsTheXvfbScreen) {
    // The test scripts start Xvfb with "-screen 0 1280x1024x24".
    VideoMode mode = desktop_mode();
    EXPECT_EQ(mode.width, 1280);
    EXPECT_EQ(mode.height, 1024);
    EXPECT_EQ(mode.red_bits + mode.green_bits + mode.blue_bits, 24);
}

TEST_F(RealWindow, TellsTheContextsVersionAndExtensionsAndLooksNamesUp) {
    // Mesa's llvmpipe gives a 4.5 compatibility context.
    EXPECT_GE(gl_context_version().major, 2);
    EXPECT_TRUE(gl_extension_supported("GL_ARB_framebuffer_object"));
    EXPECT_FALSE(gl_extension_supported("GL_LUM_made_up"));
    EXPECT_FALSE(gl_extension_supported(nullptr));
    EXPECT_NE(gl_function("glGenFramebuffers"), nullptr);
    EXPECT_EQ(gl_function(nullptr), nullptr);
    close_window();
    EXPECT_EQ(gl_context_version().major, 0);
    EXPECT_FALSE(gl_extension_supported("GL_ARB_framebuffer_object"));
}

TEST_F(RealWindow, WmCloseFindsNoWindowOfAnotherTitle) {
    lum::RunResult r = lum::run_process({LUM_WM_CLOSE_PATH, "lum window test 2"});
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_NE(r.stderr_text.find("no window titled 'lum window test 2'"), std::string::npos);
    poll_events();
    EXPECT_TRUE(window_open());
}

TEST(ScriptedHiddenWindow, GivesARealContextWithScriptedFocusAndClose) {
    ScriptedBackend script(ScriptedBackend::WindowKind::HIDDEN, 5000);
    use_backend(&script);
    ASSERT_TRUE(start_window_system());
    WindowRequest r;
    r.width = 256;
    r.height = 224;
    ASSERT_TRUE(open_window(r)); // asked visible, opened hidden
    EXPECT_TRUE(context_current());
    EXPECT_NE(gl_function("glBindFramebuffer"), nullptr);
    EXPECT_EQ(milliseconds(), 5000u);
    script.set_active(false);
    poll_events();
    EXPECT_FALSE(window_active());
    set_window_close_handler([] { return true; });
    script.request_close();
    poll_events();
    EXPECT_FALSE(window_open());
    // The context stays until the window is destroyed, so drawing can finish.
    EXPECT_TRUE(context_current());
    stop_window_system();
    EXPECT_FALSE(context_current());
    use_backend(nullptr);
}
