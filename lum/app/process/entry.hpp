#pragma once

#include "lum/app/process/self_check.hpp"
#include "lum/graphics/gl/forced_error.hpp"

#include <string>

namespace lum {

// The raw command line: the program's arguments joined by single blanks.
std::string raw_command_line(int argc, char** argv);

// The process entry: checks the command line, runs the run wrapper around
// app_main and returns the exit status (0, or 1 when a self-check failed).
int process_entry(const std::string& command_line, void (*app_main)(),
                  int (*self_checks)() = run_self_checks);

// The run wrapper: registers the exit report, probes the environment, runs the
// self-checks, then calls app_main with every exception caught. False only when
// a self-check failed.
bool run_application(void (*app_main)(), int (*self_checks)() = run_self_checks);

// The exit handler: warning summary lines, then "999 LUM TERMINATED".
void report_at_exit();

} // namespace lum
