#pragma once

#include "lum/text/string.hpp"

namespace lum {

// The three folders the engine asks the system for once at start, each ending
// with "/". They are set by the environment probe and read-only afterwards.

// The working directory that relative paths are resolved against. Before the
// probe has set it, the process's current directory at the first call.
const String& working_folder();
// The user's desktop folder (screenshots go there); empty until set.
const String& desktop_folder();
// The user's fonts folder; empty until set.
const String& fonts_folder();

// The running program's own file as a full path: the system's answer, unless
// set_program_file gave another (a test standing in for an installed program).
const String& program_file();
void set_program_file(const String& path);

// Stores the three folders; a "/" is appended to any that lacks one.
void set_special_folders(const String& working, const String& desktop, const String& fonts);

} // namespace lum
