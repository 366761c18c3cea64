#pragma once

// A built program of the engine run end to end on the test's X display:
// xdotool stands in for the person, lum_wm_close for the window manager and a
// virtual-joypad file for the joypads.

#include "support/live_process.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lum::test {

// Where a started program's standard error goes.
enum class Streams { SEPARATE, MERGED };

// Whether the working folder gets a copy of the boot picture, or the program
// has to find its own as a user's would.
enum class BootPicture { IN_WORKING_FOLDER, ELSEWHERE };

// One run of the program at a time, each in a fresh working folder holding
// the boot picture, with HOME in a folder of its own. A run that the display
// refused at its start is started again, and every wait has a limit.
class ProgramDriver {
  public:
    // Generous limits for a loaded machine; a run that keeps to its script
    // takes a few seconds.
    static constexpr int LIMIT_MS = 30000;
    static constexpr int RETRY_MS = 1500;

    // The program at path, whose window is titled title.
    ProgramDriver(std::string path, std::string title, BootPicture picture = BootPicture::IN_WORKING_FOLDER);

    const std::string& title() const { return title_; }
    const TempFolder& folder() const { return folder_; }
    std::filesystem::path home() const { return folder_ / "home"; }
    // The bytes of a file named from the working folder, or "<missing>".
    std::string file(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Writes a file named from the working folder, creating its folders.
    void write(const std::string& name, const std::string& bytes) const;

    // Appends one command line to the virtual-joypad file; the first one makes
    // the next start use the file.
    void pads(const std::string& line);
    // Sets a variable in the environment of the next starts.
    void set_environment(const std::string& name, const std::string& value);

    // Starts the program with the arguments, with message boxes answered "ok"
    // and sound on the null device.
    void start(const std::vector<std::string>& arguments = {}, Streams streams = Streams::SEPARATE);
    LiveProcess& process() { return *process_; }

    // Waits for the window.
    ::testing::AssertionResult wait_window();
    // Waits for the window and for standard output to show text; then lets the
    // keyboard's hold-off after the window's first focus pass.
    ::testing::AssertionResult wait_ready(const std::string& text);
    // The X id of the window found by the last wait.
    const std::string& window() const { return window_; }
    // The window's name, and its size as "512x448"; empty when xdotool gave none.
    std::string window_name();
    std::string window_size();

    // What the program has written so far, and whether it still runs.
    std::string diagnose();

    // Waits for standard output to show text past what was waited for before.
    ::testing::AssertionResult shows(const std::string& text);
    // Sends the xdotool actions until standard output shows text: the first
    // keys may still fall in the hold-off.
    ::testing::AssertionResult send_until(const std::vector<std::string>& actions, const std::string& text);
    // Sends the key once and waits for text.
    ::testing::AssertionResult key(const std::string& key, const std::string& text);
    // Appends a virtual-joypad command and waits for text.
    ::testing::AssertionResult pad_until(const std::string& command, const std::string& text);

    // Asks the window to close, as a window manager's close button does.
    ::testing::AssertionResult close_window();
    // Sends the key until the program ends; its exit status, or -1.
    int key_until_end(const std::string& key);
    // Waits for the end without a key; the exit status, or -1.
    int end();

  private:
    void launch();
    // Starts the program again when it ended because the display refused it.
    bool relaunched();

    std::string path_;
    std::string title_;
    TempFolder folder_;
    bool pads_ = false;
    std::vector<std::pair<std::string, std::string>> environment_;
    LiveProcess::Options options_;
    int launches_ = 0;
    std::unique_ptr<LiveProcess> process_;
    std::string window_;
};

} // namespace lum::test
