// The built program under Xvfb with virtual joypads plugged and unplugged
// while it runs, and pads that keep their slots from one run to the next.

#include "support/input_fixture.hpp"
#include "support/live_process.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>

using lum::LiveProcess;
using lum::test::input_sample;
using lum::test::read_bytes;
using lum::test::TempFolder;

namespace {

constexpr int LIMIT_MS = 30000;
constexpr int RETRY_MS = 1500;
const char* const PROMPTS[] = {"LEFT", "RIGHT", "UP",   "DOWN", "A",      "B",
                               "X",    "Y",     "PREV", "NEXT", "SELECT", "START"};
const int EXAMPLE_BUTTONS[] = {12, 13, 14, 15, 2, 1, 3, 0, 4, 5, 8, 9};

std::string prompt(int pad, int r) {
    return "CONFIG JOYPAD" + std::to_string(pad) + " - " + PROMPTS[r];
}

// One run of the program after another in one working folder, the joypads
// from pads.txt there.
class PluggedBindwell {
  public:
    PluggedBindwell() {
        std::filesystem::create_directory(folder_.path() / "home");
        std::filesystem::copy_file(std::string(LUM_TEST_FIXTURES_DIR) + "/../../png", folder_.file("png"));
    }
    // Starts the program with pads.txt holding lines; waits for the table and
    // the keyboard's hold-off.
    ::testing::AssertionResult start(const std::string& lines) {
        folder_.write("pads.txt", lines);
        LiveProcess::Options o;
        o.argv = {LUM_BINDWELL_PATH};
        o.environment = {{"HOME", (folder_.path() / "home").string()},
                         {"LUM_MESSAGE_BOX", "ok"},
                         {"ALSOFT_DRIVERS", "null"},
                         {"LUM_VIRTUAL_JOYPADS", folder_.file("pads.txt")}};
        o.working_folder = folder_.path().string();
        for (int tries = 0; tries < lum::X_CONNECT_TRIES; ++tries) {
            process_ = std::make_unique<LiveProcess>(o);
            if (process_->wait_for_output("HIT ENTER TO CONFIG JOYPAD1", LIMIT_MS)) {
                std::this_thread::sleep_for(std::chrono::seconds(1));
                return ::testing::AssertionSuccess();
            }
            if (!process_->wait_end(100) || !lum::display_refused(process_->err() + process_->out()))
                break;
        }
        return ::testing::AssertionFailure() << "no table; " << process_->out() << process_->err();
    }
    void pads(const std::string& line) { std::ofstream(folder_.file("pads.txt"), std::ios::app) << line << "\n"; }
    ::testing::AssertionResult shows(const std::string& text) {
        if (process_->wait_for_output(text, LIMIT_MS))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "never saw \"" << text << "\"; " << process_->out()
                                             << process_->err();
    }
    // Sends the key until standard output shows text: the first may fall in the hold-off.
    ::testing::AssertionResult key_until(const std::string& key, const std::string& text) {
        for (int tries = 0; tries * RETRY_MS < LIMIT_MS; ++tries) {
            lum::xdotool({"key", key});
            if (process_->wait_for_output(text, RETRY_MS))
                return ::testing::AssertionSuccess();
        }
        return shows(text);
    }
    // A press and release of button b of joystick id, then text.
    ::testing::AssertionResult tap_until(int id, int b, const std::string& text) {
        const std::string at = std::to_string(id) + " " + std::to_string(b);
        pads("press " + at + "\nrelease " + at);
        return shows(text);
    }
    // Configures joypad pad with the example's buttons on joystick id.
    ::testing::AssertionResult configure(int pad, int id) {
        ::testing::AssertionResult started = key_until(std::to_string(pad), prompt(pad, 0));
        for (int r = 0; started && r < 12; ++r)
            started = tap_until(id, EXAMPLE_BUTTONS[r], r < 11 ? prompt(pad, r + 1) : "CONFIG SAVED!");
        return started;
    }
    int quit() {
        for (int tries = 0; tries * RETRY_MS < LIMIT_MS; ++tries) {
            lum::xdotool({"key", "q"});
            if (process_->wait_end(RETRY_MS))
                return process_->exit_status();
        }
        return -1;
    }
    std::string saved() const { return read_bytes(folder_.file("Save/joypad.yaml")); }

  private:
    TempFolder folder_;
    std::unique_ptr<LiveProcess> process_;
};

} // namespace

TEST(HotPlug, PadsPluggedWhileItRunsAreConfiguredAndKeepTheirSlotsAcrossUnplugsAndRuns) {
    PluggedBindwell b;
    ASSERT_TRUE(b.start("# no pad yet\n"));
    // Plugged after start, Pad A is joypad 1, Pad B joypad 2.
    b.pads("plug 0 0 16 Pad A");
    ASSERT_TRUE(b.configure(1, 0));
    const std::string record = "Devices: \n  Joypad0: \n    GUID: (06000000[0-9a-f]{24})\n    Name: \"Pad A\"\n";
    std::smatch guid_a;
    std::string after_first = b.saved();
    ASSERT_TRUE(std::regex_search(after_first, guid_a, std::regex("^" + record))) << after_first;
    EXPECT_EQ(after_first.substr(guid_a.length(0)), input_sample("joypad0.yaml"));
    b.pads("plug 1 0 16 Pad B");
    ASSERT_TRUE(b.configure(2, 1));

    // Unplugged, configuring it waits; plugged again as another joystick it
    // is joypad 1 again and the wait goes on.
    b.pads("unplug 0");
    ASSERT_TRUE(b.key_until("1", prompt(1, 0)));
    b.pads("plug 3 0 16 Pad A");
    ASSERT_TRUE(b.tap_until(3, 6, prompt(1, 1)));
    ASSERT_TRUE(b.key_until("Escape", "ABORT"));
    EXPECT_EQ(b.quit(), 0);
    const std::string both = b.saved();
    EXPECT_NE(both.find("  Joypad1: \n    GUID: 06000000"), std::string::npos) << both;
    EXPECT_EQ(both.find(guid_a.str(1), guid_a.length(0)), std::string::npos) << "equal GUIDs for two names";

    // A new run where the system lists them the other way round.
    ASSERT_TRUE(b.start("plug 0 0 16 Pad B\nplug 1 0 16 Pad A\n"));
    ASSERT_TRUE(b.key_until("1", prompt(1, 0)));
    ASSERT_TRUE(b.tap_until(1, 6, prompt(1, 1)));
    ASSERT_TRUE(b.key_until("Escape", "ABORT"));
    ASSERT_TRUE(b.key_until("2", prompt(2, 0)));
    ASSERT_TRUE(b.tap_until(0, 6, prompt(2, 1)));
    ASSERT_TRUE(b.key_until("Escape", "ABORT"));
    EXPECT_EQ(b.quit(), 0);
    EXPECT_EQ(b.saved(), both);
}
