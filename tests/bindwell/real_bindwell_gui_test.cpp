// The built program on the real window system under Xvfb: xdotool stands in
// for the person, lum_wm_close for the window manager and a virtual-joypad
// file for the joypads.

#include "support/frame_fixture.hpp"
#include "support/temp_folder.hpp"
#include "support/input_fixture.hpp"
#include "support/live_process.hpp"
#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

using lum::LiveProcess;
using lum::test::input_sample;
using lum::test::read_bytes;
using lum::test::records_in;
using lum::test::TempFolder;

namespace {

// Generous limits for a loaded machine; a run that keeps to its script takes
// a few seconds.
constexpr int LIMIT_MS = 30000;
constexpr int RETRY_MS = 1500;
constexpr const char* TITLE = "Halvane Bindwell";
constexpr const char* IDLE = "HIT ENTER TO CONFIG JOYPAD1";

std::string prompt(const char* button) {
    return std::string("CONFIG JOYPAD1 - ") + button;
}

const char* const PROMPTS[] = {"LEFT", "RIGHT", "UP",   "DOWN", "A",      "B",
                               "X",    "Y",     "PREV", "NEXT", "SELECT", "START"};

// One run of the program at a time, each in a fresh working folder holding
// the boot picture, with HOME in a folder of its own.
class RealBindwell {
  public:
    RealBindwell() {
        std::filesystem::create_directory(home());
        std::filesystem::copy_file(std::string(LUM_TEST_FIXTURES_DIR) + "/../../png", folder_.file("png"));
    }

    std::filesystem::path home() const { return folder_.path() / "home"; }
    std::string file(const std::string& name) const { return read_bytes(folder_.file(name)); }
    bool exists(const std::string& name) const { return std::filesystem::exists(folder_.file(name)); }
    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(folder_.file(name)).parent_path());
        folder_.write(name, bytes);
    }

    // Appends one command line to the virtual-joypad file; the first one makes
    // the next start use the file.
    void pads(const std::string& line) {
        pads_ = true;
        std::ofstream(folder_.file("pads.txt"), std::ios::app) << line << "\n";
    }

    void start(std::vector<std::string> arguments = {}, bool merge_streams = false) {
        options_ = {};
        options_.argv = {LUM_BINDWELL_PATH};
        options_.argv.insert(options_.argv.end(), arguments.begin(), arguments.end());
        options_.environment = {
            {"HOME", home().string()}, {"LUM_MESSAGE_BOX", "ok"}, {"ALSOFT_DRIVERS", "null"}};
        if (pads_)
            options_.environment.push_back({"LUM_VIRTUAL_JOYPADS", folder_.file("pads.txt")});
        options_.working_folder = folder_.path().string();
        options_.merge_streams = merge_streams;
        launches_ = 0;
        launch();
    }
    LiveProcess& process() { return *process_; }

    // Waits for the window, starting the program again when the display
    // refused it.
    ::testing::AssertionResult wait_window() {
        for (int waited = 0; waited < LIMIT_MS; waited += 200) {
            window_ = lum::find_window(TITLE, 200);
            if (!window_.empty())
                return ::testing::AssertionSuccess();
            if (!process_->running() && !relaunched())
                break;
        }
        return ::testing::AssertionFailure() << "no window; " << diagnose();
    }
    // Waits for the window and the table; then lets the keyboard's hold-off
    // after the window's first focus pass.
    ::testing::AssertionResult wait_ready() {
        ::testing::AssertionResult shown = wait_window();
        if (!shown)
            return shown;
        ::testing::AssertionResult table = shows(IDLE);
        if (!table)
            return table;
        std::this_thread::sleep_for(std::chrono::seconds(1));
        return ::testing::AssertionSuccess();
    }
    const std::string& window() const { return window_; }

    // What the program has written so far, and whether it still runs.
    std::string diagnose() {
        process_->wait_end(500);
        return (process_->running() ? std::string("running")
                                    : "ended " + std::to_string(process_->exit_status())) +
               "\nstdout:\n" + process_->out() + "\nstderr:\n" + process_->err();
    }

    // Waits for standard output to show text past what was waited for before.
    ::testing::AssertionResult shows(const std::string& text) {
        if (process_->wait_for_output(text, LIMIT_MS))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "never saw \"" << text << "\"; " << diagnose();
    }
    // Sends the xdotool actions until standard output shows text: the first
    // keys may still fall in the hold-off.
    ::testing::AssertionResult send_until(const std::vector<std::string>& actions, const std::string& text) {
        for (int tries = 0; tries * RETRY_MS < LIMIT_MS; ++tries) {
            if (!lum::xdotool(actions))
                return ::testing::AssertionFailure() << "xdotool failed";
            if (process_->wait_for_output(text, RETRY_MS))
                return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "never saw \"" << text << "\"; " << diagnose();
    }
    // Sends the key once and waits for text.
    ::testing::AssertionResult key(const std::string& key, const std::string& text) {
        if (!lum::xdotool({"key", key}))
            return ::testing::AssertionFailure() << "xdotool failed";
        return shows(text);
    }
    // Appends a virtual-joypad command and waits for text.
    ::testing::AssertionResult pad_until(const std::string& command, const std::string& text) {
        pads(command);
        return shows(text);
    }

    // q until the program ends; its exit status, or -1.
    int quit() {
        for (int tries = 0; tries * RETRY_MS < LIMIT_MS; ++tries) {
            lum::xdotool({"key", "q"});
            if (process_->wait_end(RETRY_MS))
                return process_->exit_status();
        }
        return -1;
    }
    // Waits for the end without a key (starting again when the display
    // refused the program); the exit status, or -1.
    int end() {
        do {
            if (!process_->wait_end(LIMIT_MS))
                return -1;
        } while (relaunched());
        return process_->exit_status();
    }

  private:
    void launch() {
        ++launches_;
        process_ = std::make_unique<LiveProcess>(options_);
    }
    // Starts the program again when it ended because the display refused it.
    bool relaunched() {
        if (!process_->wait_end(0) || launches_ == lum::X_CONNECT_TRIES ||
            !lum::display_refused(process_->err() + process_->out()))
            return false;
        launch();
        return true;
    }

    TempFolder folder_;
    bool pads_ = false;
    LiveProcess::Options options_;
    int launches_ = 0;
    std::unique_ptr<LiveProcess> process_;
    std::string window_;
};

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Width and height from a PNG's header, or 0 x 0.
std::pair<uint32_t, uint32_t> png_size(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return {0, 0};
    auto word = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i)
            v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {word(16), word(20)};
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
    lum::RunResult name = lum::x_client({"xdotool", "getwindowname", b.window()});
    lum::RunResult geometry = lum::x_client({"xdotool", "getwindowgeometry", b.window()});
    EXPECT_EQ(name.stdout_text, std::string(TITLE) + "\n");
    EXPECT_NE(geometry.stdout_text.find("Geometry: 512x448\n"), std::string::npos) << geometry.stdout_text;

    // Control and Alt held while s goes down and up, with time between: let go
    // in the frame that reads s, they would not count as held.
    ASSERT_TRUE(b.send_until({"keydown", "Control_L", "keydown", "Alt_L", "sleep", "0.2", "key", "s", "sleep",
                              "0.2", "keyup", "Alt_L", "keyup", "Control_L"},
                             "Screenshot saved"));
    EXPECT_EQ(b.quit(), 0) << b.process().err();

    // One screenshot, or two when the first chord was slow to show and sent again.
    int shots = 0;
    for (const auto& entry : std::filesystem::directory_iterator(b.home() / "Desktop")) {
        EXPECT_EQ(png_size(read_bytes(entry.path().string())), std::make_pair(256u, 224u)) << entry.path();
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
    b.start({}, true);
    ASSERT_TRUE(b.wait_ready());
    ASSERT_TRUE(b.send_until({"key", "Return"}, prompt("LEFT")));
    ASSERT_TRUE(b.key("Escape", "ABORT"));
    EXPECT_TRUE(b.process().running());
    EXPECT_FALSE(b.exists("Save/joypad.yaml"));
    ASSERT_TRUE(lum::close_window(TITLE));
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
    ASSERT_TRUE(lum::close_window(TITLE));
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
