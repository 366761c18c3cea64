// The built program on the real window system under Xvfb: xdotool stands in
// for the person, lum_wm_close for the window manager and a virtual-joypad
// file for the joypads.

#include "support/frame_fixture.hpp"
#include "support/png_header.hpp"
#include "support/program_driver.hpp"
#include "support/samples.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

using lum::test::input_sample;
using lum::test::png_header;
using lum::test::PngHeader;
using lum::test::read_bytes;
using lum::test::records_in;
using lum::test::Streams;

namespace {

constexpr const char* TITLE = "Halvane Bindwell";
constexpr const char* IDLE = "HIT ENTER TO CONFIG JOYPAD1";

std::string prompt(const char* button) {
    return std::string("CONFIG JOYPAD1 - ") + button;
}

const char* const PROMPTS[] = {"LEFT", "RIGHT", "UP",   "DOWN", "A",      "B",
                               "X",    "Y",     "PREV", "NEXT", "SELECT", "START"};

// The built Bindwell, ready once its table shows, quit with q.
class RealBindwell : public lum::test::ProgramDriver {
  public:
    RealBindwell() : ProgramDriver(LUM_BINDWELL_PATH, TITLE) {}
    ::testing::AssertionResult wait_ready() { return ProgramDriver::wait_ready(IDLE); }
    int quit() { return key_until_end("q"); }
};

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The joypad document after its leading "Devices" block, which records the
// configured pads (hot_plug_gui_test.cpp checks it).
std::string after_devices(const std::string& document) {
    if (document.rfind("Devices: \n", 0) != 0)
        return document;
    size_t end = document.find("\n") + 1;
    while (document.compare(end, 2, "  ") == 0)
        end = document.find("\n", end) + 1;
    return document.substr(end);
}

} // namespace

TEST(RealBindwell, OpensItsWindowTakesAScreenshotAndQuitsWithQ) {
    RealBindwell b;
    std::filesystem::create_directory(b.home() / "Desktop");
    b.start();
    ASSERT_TRUE(b.wait_ready());
    EXPECT_EQ(b.window_name(), TITLE);
    EXPECT_EQ(b.window_size(), "512x448");

    // Control and Alt held while s goes down and up, with time between: let go
    // in the frame that reads s, they would not count as held.
    ASSERT_TRUE(b.send_until({"keydown", "Control_L", "keydown", "Alt_L", "sleep", "0.2", "key", "s", "sleep",
                              "0.2", "keyup", "Alt_L", "keyup", "Control_L"},
                             "Screenshot saved"));
    EXPECT_EQ(b.quit(), 0) << b.process().err();

    // One screenshot, or two when the first chord was slow to show and sent again.
    int shots = 0;
    for (const auto& entry : std::filesystem::directory_iterator(b.home() / "Desktop")) {
        PngHeader shot = png_header(read_bytes(entry.path().string()));
        EXPECT_TRUE(shot.valid) << entry.path();
        EXPECT_EQ(shot.width, 256u) << entry.path();
        EXPECT_EQ(shot.height, 224u) << entry.path();
        ++shots;
    }
    EXPECT_GE(shots, 1);
    EXPECT_EQ(records_in(b.process().out()),
              (std::vector<std::string>{"100 Begin Program", "850 Normal Exit", "888 Audio monitor kill",
                                        "888 Audio monitor terminated"}));
    EXPECT_TRUE(ends_with(b.process().err(), "999 LUM TERMINATED\n")) << b.process().err();
    EXPECT_EQ(b.file("Save/keyboard.yaml"), input_sample("keyboard_default.yaml"));
    EXPECT_FALSE(b.exists("Save/joypad.yaml"));
}

TEST(RealBindwell, EscapeLeavesItRunningAndAWindowManagerCloseEndsItWithItsRecordsOnOnePipe) {
    RealBindwell b;
    b.start({}, Streams::MERGED);
    ASSERT_TRUE(b.wait_ready());
    ASSERT_TRUE(b.send_until({"key", "Return"}, prompt("LEFT")));
    ASSERT_TRUE(b.key("Escape", "ABORT"));
    EXPECT_TRUE(b.process().running());
    EXPECT_FALSE(b.exists("Save/joypad.yaml"));
    ASSERT_TRUE(b.close_window());
    EXPECT_EQ(b.end(), 0);

    // Both streams on one pipe: the six self-check summaries, then the records
    // in their order, the final one last.
    const std::string& all = b.process().out();
    std::regex summary("([0-9]+) of \\1 test passed \\(0 errors\\)\n");
    auto begin = std::sregex_iterator(all.begin(), all.end(), summary);
    EXPECT_EQ(std::distance(begin, std::sregex_iterator()), 6) << all;
    EXPECT_LT(all.rfind("test passed"), all.find("100 Begin Program"));
    EXPECT_EQ(records_in(all),
              (std::vector<std::string>{"100 Begin Program", "851 Terminate with Window Close",
                                        "888 Audio monitor kill", "888 Audio monitor terminated",
                                        "999 LUM TERMINATED"}));
    EXPECT_TRUE(ends_with(all, "\n999 LUM TERMINATED\n")) << all;
    EXPECT_FALSE(b.exists("Save/joypad.yaml"));
}

TEST(RealBindwell, AForcedOpenGlErrorNamesAllSeventeenFunctionsAndEnds) {
    RealBindwell b;
    b.start({"--force-opengl-error"});
    EXPECT_EQ(b.end(), 1);
    const std::string& err = b.process().err();
    const char* const names[] = {"glIsRenderbuffer",          "glBindRenderbuffer",
                                 "glDeleteRenderbuffers",     "glGenRenderbuffers",
                                 "glRenderbufferStorage",     "glGetRenderbufferParameteriv",
                                 "glIsFramebuffer",           "glBindFramebuffer",
                                 "glDeleteFramebuffers",      "glGenFramebuffers",
                                 "glCheckFramebufferStatus",  "glFramebufferTexture1D",
                                 "glFramebufferTexture2D",    "glFramebufferTexture3D",
                                 "glFramebufferRenderbuffer", "glGetFramebufferAttachmentParameteriv",
                                 "glGenerateMipmap"};
    size_t at = err.find("[error] ");
    ASSERT_NE(at, std::string::npos) << err;
    for (const char* n : names) {
        // Each on its own line behind an ideographic space, as the message builds it.
        size_t next = err.find("\u3000" + std::string(n) + "\r\n", at);
        EXPECT_NE(next, std::string::npos) << n << " missing or out of order in:\n" << err;
        at = next == std::string::npos ? at : next;
    }
    EXPECT_EQ(b.process().out().find("100 Begin Program"), std::string::npos) << b.process().out();
    EXPECT_TRUE(ends_with(err, "999 LUM TERMINATED\n")) << err;
}

TEST(RealBindwell, AJoypadFileThatDoesNotParseHaltsTheBootUntilTheWindowCloses) {
    RealBindwell b;
    b.write("Save/joypad.yaml", input_sample("malformed/joypad_unclosed.yaml"));
    b.start();
    ASSERT_TRUE(b.wait_window());
    ASSERT_TRUE(b.shows("Init Joypad...Fault ("));
    EXPECT_TRUE(b.process().running());
    ASSERT_TRUE(b.close_window());
    EXPECT_EQ(b.end(), 1);
    EXPECT_EQ(b.process().out().find("100 Begin Program"), std::string::npos) << b.process().out();
    EXPECT_TRUE(ends_with(b.process().err(), "999 LUM TERMINATED\n")) << b.process().err();
}

TEST(RealBindwell, TwoVirtualJoypadsConfigureTheFirstAndANewRunLoadsIt) {
    RealBindwell b;
    b.pads("plug 0 0 16 Pad A");
    b.pads("plug 1 0 16 Pad B");
    b.start();
    ASSERT_TRUE(b.wait_ready());
    ASSERT_TRUE(b.send_until({"key", "Return"}, prompt("LEFT")));
    const int buttons[] = {12, 13, 14, 15, 2, 1, 3, 0, 4, 5, 8, 9};
    for (int r = 0; r < 12; ++r) {
        const std::string id = std::to_string(buttons[r]);
        ASSERT_TRUE(b.pad_until("press 0 " + id + "\nrelease 0 " + id,
                                r < 11 ? prompt(PROMPTS[r + 1]) : "CONFIG SAVED!"));
    }
    EXPECT_EQ(after_devices(b.file("Save/joypad.yaml")), input_sample("joypad0.yaml"));
    EXPECT_EQ(b.quit(), 0);

    b.start();
    ASSERT_TRUE(b.wait_ready());
    EXPECT_EQ(b.quit(), 0);
    const std::string& out = b.process().out();
    // Joypad 0's bound inputs in order, each with its logical button's bit
    // shown as the digit of its place.
    EXPECT_NE(out.find("PHYS00 -> LOGI[..............9.........]\n"
                       "PHYS01 -> LOGI[.................6......]\n"
                       "PHYS02 -> LOGI[..................5.....]\n"
                       "PHYS03 -> LOGI[...............8........]\n"
                       "PHYS04 -> LOGI[......7.................]\n"
                       "PHYS05 -> LOGI[.....8..................]\n"
                       "PHYS08 -> LOGI[.......6................]\n"
                       "PHYS09 -> LOGI[........5...............]\n"
                       "PHYS12 -> LOGI[......................1.]\n"
                       "PHYS13 -> LOGI[.....................2..]\n"
                       "PHYS14 -> LOGI[....................3...]\n"
                       "PHYS15 -> LOGI[...................4....]\n" +
                       std::string(IDLE)),
              std::string::npos)
        << out;
    EXPECT_EQ(after_devices(b.file("Save/joypad.yaml")), input_sample("joypad0.yaml"));
}

TEST(RealBindwell, AnAxisPushedPastHalfWayAnswersAPrompt) {
    RealBindwell b;
    b.pads("plug 0 2 12 Stick Pad");
    b.start();
    ASSERT_TRUE(b.wait_ready());
    ASSERT_TRUE(b.send_until({"key", "Return"}, prompt("LEFT")));
    // Axis k gives input 2k below -0.5 and 2k + 1 above 0.5.
    ASSERT_TRUE(b.pad_until("axis 0 1 -0.75", prompt("RIGHT")));
    ASSERT_TRUE(b.pad_until("axis 0 1 0\naxis 0 0 0.75", prompt("UP")));
    b.pads("axis 0 0 0");
    for (int r = 3; r <= 12; ++r)
        ASSERT_TRUE(b.key("space", r < 12 ? prompt(PROMPTS[r]) : "CONFIG SAVED!"));
    EXPECT_EQ(after_devices(b.file("Save/joypad.yaml")), "Joypad0: \n  Left: \n    - 2\n  Right: \n    - 1\n");
    EXPECT_EQ(b.quit(), 0);
}
