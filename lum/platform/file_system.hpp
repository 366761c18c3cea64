#pragma once

#include "lum/text/string.hpp"

#include <cstdio>

namespace lum::platform {

// File-system calls beyond the C library's streams. Paths are the engine's
// full paths (UTF-8 on Linux). Each call returns false on failure and leaves
// the system's error number in errno.

// Writes a stream's buffered bytes and waits until the system has them on disk.
bool sync_stream(std::FILE* stream);

// Waits until the entries of a folder (a rename inside it) are on disk.
bool sync_directory(const String& path);

// Renames from to to, replacing to in one step when it exists.
bool rename_file(const String& from, const String& to);

// Removes a file (not a folder).
bool remove_file(const String& path);

// Creates a folder and every missing folder above it; true when it exists
// afterwards as a folder.
bool make_directories(const String& path);

// True when path names an existing folder.
bool is_directory(const String& path);

// True when something (a file, a folder) exists at path.
bool path_exists(const String& path);

// The process id, used to name temporary files.
long process_id();

} // namespace lum::platform
