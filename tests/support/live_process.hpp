#pragma once

#include "support/run_process.hpp"

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace lum {

// A program running beside the test, its output gathered while it runs. Every
// wait has a limit; a child still running when the object goes is killed.
class LiveProcess {
  public:
    struct Options {
        std::vector<std::string> argv;
        // Variables set in the child's environment, on top of the test's.
        std::vector<std::pair<std::string, std::string>> environment;
        // The child's working directory; empty keeps the test's.
        std::string working_folder;
        // Standard error into the standard output pipe, as a shell's 2>&1.
        bool merge_streams = false;
    };

    explicit LiveProcess(const Options& options);
    ~LiveProcess();
    LiveProcess(const LiveProcess&) = delete;
    LiveProcess& operator=(const LiveProcess&) = delete;

    // Waits until standard output holds text past the end of the last text
    // found, and moves past it; false when the time ran out or the child ended
    // without writing it.
    bool wait_for_output(const std::string& text, int timeout_ms);
    // Waits up to timeout_ms for the child's end; true when it ended.
    bool wait_end(int timeout_ms);
    bool running();
    // The exit status once ended (128 + the signal for a signal), else -1.
    int exit_status() const { return status_; }

    const std::string& out() const { return out_; }
    const std::string& err() const { return err_; }

  private:
    // Reads what the pipes hold, waiting at most timeout_ms for the first byte.
    void pump(int timeout_ms);
    void kill_child();

    pid_t pid_ = -1;
    int out_fd_ = -1;
    int err_fd_ = -1;
    int status_ = -1;
    size_t found_end_ = 0;
    std::string out_;
    std::string err_;
};

// Connecting to the X display fails now and then on a loaded machine (about
// one connection in two hundred here), so X clients are given a few tries.
inline constexpr int X_CONNECT_TRIES = 5;

// Whether a program's diagnostics say the X display refused it.
bool display_refused(const std::string& diagnostics);

// The X window titled exactly title on the test's display, waiting for it up
// to timeout_ms; empty when none appeared.
std::string find_window(const std::string& title, int timeout_ms);

// Runs an X client program, again while the display refuses it.
RunResult x_client(const std::vector<std::string>& argv);

// Runs xdotool with the arguments (key names and actions, sent to the window
// that has the keyboard focus); true when it ran.
bool xdotool(const std::vector<std::string>& arguments);

// Asks the window titled title to close, as a window manager's close button
// does (lum_wm_close); true when the request was sent.
bool close_window(const std::string& title);

} // namespace lum
