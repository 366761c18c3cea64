#pragma once

#include "lum/text/string.hpp"

#include <vector>

namespace lum {

// The folders a program's own read-only files (the boot picture) are looked up
// in, in order, each ending with "/": the working folder; PREFIX/share/NAME/
// for a program NAME installed as PREFIX/bin/NAME, so a relocated prefix or a
// staged one works as well; and the program's own folder, as in a build tree.
// A folder already listed is not listed again. The program is program_file().
std::vector<String> data_folders();

// The same list for a program at executable_path (a full path).
std::vector<String> data_folders(const String& executable_path);

// The full path of the first file named name in data_folders(). When no folder
// holds one, throws FileOpenException naming every path it tried.
String find_data_file(const String& name);

// The same search in the given folders.
String find_data_file(const String& name, const std::vector<String>& folders);

} // namespace lum
