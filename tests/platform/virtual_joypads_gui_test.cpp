#include "lum/platform/glfw/glfw_backend.hpp"
#include "lum/platform/virtual_joypads.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace lum::platform;

namespace {

// The GLFW backend with LUM_VIRTUAL_JOYPADS naming path, installed for one test.
class VirtualJoypadFile : public testing::Test {
  protected:
    void start(const std::string& path) {
        setenv(VIRTUAL_JOYPADS_VARIABLE, path.c_str(), 1);
        use_backend(&glfw);
        testing::internal::CaptureStderr();
        bool started = start_window_system();
        said = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(started) << "needs a display (run under xvfb-run)";
    }
    void TearDown() override {
        stop_window_system();
        use_backend(nullptr);
        unsetenv(VIRTUAL_JOYPADS_VARIABLE);
    }

    lum::test::TempFolder folder;
    std::filesystem::path file = folder / "pads.txt";
    GlfwBackend glfw;
    std::string said;
};

} // namespace

TEST_F(VirtualJoypadFile, IsReadToItsEndAtStartAndFollowedAtEveryPollWithBadLinesSaidOnStandardError) {
    std::ofstream(file) << "plug 0 2 4 Virtual Pad\njump\nplug 1 0 1";
    start(file.string());
    EXPECT_EQ(said, "lum.platform: " + file.string() + ":2: unknown command \"jump\"\n");
    EXPECT_TRUE(joystick_present(0)) << "read before any poll";
    EXPECT_EQ(joystick_name(0), lum::String("Virtual Pad"));
    EXPECT_FALSE(joystick_present(1)) << "its line is not complete yet";
    std::ofstream(file, std::ios::app) << " 8\n";
    EXPECT_FALSE(joystick_present(1)) << "not before the poll";
    poll_events();
    EXPECT_TRUE(joystick_present(1));
    EXPECT_EQ(joystick_button_count(1), 1);
    EXPECT_EQ(joystick_name(1), lum::String("8"));
}

TEST_F(VirtualJoypadFile, AMissingFileIsSaidOnceAndGivesNoJoystick) {
    start((file / "pads.txt").string());
    EXPECT_EQ(said, "lum.platform: " + (file / "pads.txt").string() +
                        ": cannot read the virtual joypads: No such file or directory\n");
    poll_events();
    for (int id = 0; id < JOYSTICK_COUNT; ++id)
        EXPECT_FALSE(joystick_present(id));
}
