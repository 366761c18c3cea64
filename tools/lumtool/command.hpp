#pragma once

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/error/exception.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace lumtool {

// One lumtool command. run gets the words after the command's name and returns
// the exit status; it throws UsageError for a malformed call (exit status 2)
// and Failure or an engine exception when its work fails (exit status 1).
struct Command {
    const char* name;
    const char* synopsis; // "format PATTERN [ARG...]"
    const char* summary;  // one line for --help
    int (*run)(const std::vector<std::string>& args);
};

struct UsageError {
    std::string message;
};

// A failure that ends the command with status 1 after the line "lumtool: MESSAGE".
struct Failure {
    std::string message;
};

// Adds a command to the tool; each command file registers its commands with a
// static Registration.
struct Registration {
    explicit Registration(const Command& command);
};

// Prints one line "lumtool: MESSAGE" on standard error.
void complain(const std::string& message);

// The engine path of a file named on the command line; a path that climbs
// above the root is a Failure.
lum::Path path_of(const std::string& argument);

// Throws the Failure "VERB 'ARGUMENT': REASON" for an engine failure on the
// file named argument, with the reason the engine gave.
[[noreturn]] void fail_on_file(const char* verb, const std::string& argument, const lum::Path& path,
                               const lum::Exception& e);

// Opens the file named argument for reading, or throws the Failure "cannot open ...".
void open_for_reading(lum::File& file, const std::string& argument);

// Writes bytes to standard output and flushes it, or throws a Failure.
void write_standard_output(std::string_view bytes);

} // namespace lumtool
