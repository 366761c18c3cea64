// The frame demo on the real window system under Xvfb, with lum_wm_close
// standing in for the window manager.

#include "support/frame_fixture.hpp"
#include "support/program_driver.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

using namespace lum::test;

namespace {

std::string between(const std::string& text, const std::string& from, const std::string& to) {
    size_t a = text.find(from);
    if (a == std::string::npos)
        return "";
    a += from.size();
    return text.substr(a, text.find(to, a) - a);
}

// The built frame demo.
class DemoRun : public ProgramDriver {
  public:
    DemoRun() : ProgramDriver(LUM_FRAME_DEMO_PATH, "Frame Demo") {}

    // Opened with the designed title and size: a 256 x 224 screen at the default scale 2.
    void expect_window() {
        ASSERT_TRUE(wait_window());
        EXPECT_EQ(window_name(), "Frame Demo");
        EXPECT_EQ(window_size(), "512x448");
    }
    // Ended with status 0 and the final record last.
    void expect_clean_end() {
        EXPECT_EQ(end(), 0) << diagnose();
        const std::string& err = process().err();
        ASSERT_GE(err.size(), 19u) << err;
        EXPECT_EQ(err.substr(err.size() - 19), "999 LUM TERMINATED\n");
    }
    const std::string& out() { return process().out(); }
    const std::string& err() { return process().err(); }
};

} // namespace

TEST(RealWindow, AnAppOpensItsWindowRunsFramesAndEndsInOrder) {
    DemoRun run;
    run.start({"--frames", "120"});
    ASSERT_NO_FATAL_FAILURE(run.expect_window());
    ASSERT_NO_FATAL_FAILURE(run.expect_clean_end());
    EXPECT_EQ(records_in(run.out()),
              (std::vector<std::string>{"100 Begin Program", "850 Normal Exit", "888 Audio monitor kill",
                                        "888 Audio monitor terminated"}))
        << run.out();
    // One boot frame and the main task's frames up to its 120th user step.
    EXPECT_EQ(between(run.err(), "frames ", "\n"), "121") << run.err();
}

TEST(RealWindow, AWindowManagerCloseEndsTheAppWithTheCloseRecords) {
    DemoRun run;
    run.start();
    ASSERT_NO_FATAL_FAILURE(run.expect_window());
    // Lets the main task's frames run before the close: the window shows
    // before the boot has ended, which takes long on a loaded machine.
    ASSERT_TRUE(run.shows("100 Begin Program"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_TRUE(run.close_window());
    ASSERT_NO_FATAL_FAILURE(run.expect_clean_end());
    EXPECT_EQ(records_in(run.out()),
              (std::vector<std::string>{"100 Begin Program", "851 Terminate with Window Close",
                                        "888 Audio monitor kill", "888 Audio monitor terminated"}))
        << run.out();
    EXPECT_GT(std::stoi("0" + between(run.err(), "frames ", "\n")), 10) << run.err();
}

TEST(RealWindow, FirstFrameStampsGiveOneLinePerPhaseInOrder) {
    DemoRun run;
    run.set_environment("LUM_FIRST_FRAME_STAMP", "1");
    run.start({"--frames", "30"});
    ASSERT_NO_FATAL_FAILURE(run.expect_window());
    ASSERT_NO_FATAL_FAILURE(run.expect_clean_end());
    const std::regex stamp("lum\\.first_frame phase=([a-z]+) epoch_us=([0-9]+)\n");
    std::vector<std::string> phases;
    std::vector<long long> times;
    for (std::sregex_iterator i(run.err().begin(), run.err().end(), stamp), end; i != end; ++i) {
        phases.push_back((*i)[1]);
        times.push_back(std::stoll((*i)[2]));
    }
    ASSERT_EQ(phases, (std::vector<std::string>{"booting", "running"})) << run.err();
    EXPECT_LE(times[0], times[1]);
}
