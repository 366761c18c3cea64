// The built program under Xvfb with virtual joypads plugged and unplugged
// while it runs, and pads that keep their slots from one run to the next.

#include "support/program_driver.hpp"
#include "support/samples.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <string>

using lum::test::input_sample;

namespace {

const char* const PROMPTS[] = {"LEFT", "RIGHT", "UP",   "DOWN", "A",      "B",
                               "X",    "Y",     "PREV", "NEXT", "SELECT", "START"};
const int EXAMPLE_BUTTONS[] = {12, 13, 14, 15, 2, 1, 3, 0, 4, 5, 8, 9};

std::string prompt(int pad, int r) {
    return "CONFIG JOYPAD" + std::to_string(pad) + " - " + PROMPTS[r];
}

// One run of the program after another in one working folder, the joypads
// from its virtual-joypad file.
class PluggedBindwell : public lum::test::ProgramDriver {
  public:
    PluggedBindwell() : ProgramDriver(LUM_BINDWELL_PATH, "Halvane Bindwell") {}
    // Starts the program with the joypad file holding lines; waits for the
    // table and the keyboard's hold-off.
    ::testing::AssertionResult start_with(const std::string& lines) {
        write("pads.txt", "");
        pads(lines);
        start();
        return wait_ready("HIT ENTER TO CONFIG JOYPAD1");
    }
    ::testing::AssertionResult key_until(const std::string& key, const std::string& text) {
        return send_until({"key", key}, text);
    }
    // A press and release of button b of joystick id, then text.
    ::testing::AssertionResult tap_until(int id, int b, const std::string& text) {
        const std::string at = std::to_string(id) + " " + std::to_string(b);
        return pad_until("press " + at + "\nrelease " + at, text);
    }
    // Configures joypad pad with the example's buttons on joystick id.
    ::testing::AssertionResult configure(int pad, int id) {
        ::testing::AssertionResult started = key_until(std::to_string(pad), prompt(pad, 0));
        for (int r = 0; started && r < 12; ++r)
            started = tap_until(id, EXAMPLE_BUTTONS[r], r < 11 ? prompt(pad, r + 1) : "CONFIG SAVED!");
        return started;
    }
    int quit() { return key_until_end("q"); }
    std::string saved() const { return file("Save/joypad.yaml"); }
};

} // namespace

TEST(HotPlug, PadsPluggedWhileItRunsAreConfiguredAndKeepTheirSlotsAcrossUnplugsAndRuns) {
    PluggedBindwell b;
    ASSERT_TRUE(b.start_with("# no pad yet"));
    // Plugged after start, Pad A is joypad 1, Pad B joypad 2.
    b.pads("plug 0 0 16 Pad A");
    ASSERT_TRUE(b.configure(1, 0));
    const std::string record = "Devices: \n  Joypad0: \n    Axes: 0\n    Buttons: 16\n    GUID: "
                               "(06000000[0-9a-f]{24})\n    Hats: 0\n    Name: \"Pad A\"\n";
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
    EXPECT_NE(both.find("  Joypad1: \n    Axes: 0\n    Buttons: 16\n    GUID: 06000000"), std::string::npos)
        << both;
    EXPECT_EQ(both.find(guid_a.str(1), guid_a.length(0)), std::string::npos) << "equal GUIDs for two names";

    // A new run where the system lists them the other way round.
    ASSERT_TRUE(b.start_with("plug 0 0 16 Pad B\nplug 1 0 16 Pad A"));
    ASSERT_TRUE(b.key_until("1", prompt(1, 0)));
    ASSERT_TRUE(b.tap_until(1, 6, prompt(1, 1)));
    ASSERT_TRUE(b.key_until("Escape", "ABORT"));
    ASSERT_TRUE(b.key_until("2", prompt(2, 0)));
    ASSERT_TRUE(b.tap_until(0, 6, prompt(2, 1)));
    ASSERT_TRUE(b.key_until("Escape", "ABORT"));
    EXPECT_EQ(b.quit(), 0);
    EXPECT_EQ(b.saved(), both);
}
