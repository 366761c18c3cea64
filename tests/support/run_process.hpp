#pragma once

#include <string>
#include <vector>

namespace lum {

// What a finished child process left behind.
struct RunResult {
    // The exit status; 128 + the signal number when a signal ended the process,
    // 127 when the program could not be started.
    int exit_status = -1;
    std::string stdout_text;
    std::string stderr_text;
};

// Runs argv[0] (a path, or a name looked up in PATH) with the arguments argv,
// feeds it stdin_text, and waits for it, collecting both output streams.
RunResult run_process(const std::vector<std::string>& argv, const std::string& stdin_text = "");

} // namespace lum
