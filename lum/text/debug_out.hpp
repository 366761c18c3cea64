#pragma once

#include "lum/text/string.hpp"

namespace lum {

// The debug output stream: echoes each text at once to the debugger channel
// (none on Linux) and to standard output as UTF-8. Adds no newline.
class DebugOut {
  public:
    DebugOut& operator<<(const String& text);
    DebugOut& operator<<(const char* utf8);
};

extern DebugOut debug_out;

} // namespace lum
