#pragma once

#include <string>
#include <vector>

namespace lumtool {

// One lumtool command. run gets the words after the command's name and returns
// the exit status; it throws UsageError for a malformed call (exit status 2).
struct Command {
    const char* name;
    const char* synopsis; // "format PATTERN [ARG...]"
    const char* summary;  // one line for --help
    int (*run)(const std::vector<std::string>& args);
};

struct UsageError {
    std::string message;
};

// Adds a command to the tool; each command file registers its commands with a
// static Registration.
struct Registration {
    explicit Registration(const Command& command);
};

// Prints one line "lumtool: MESSAGE" on standard error.
void complain(const std::string& message);

} // namespace lumtool
