#pragma once

#include "lum/text/string.hpp"

namespace lum {

// Where the debug output echoes its texts.
enum class DebugStream { STANDARD_OUTPUT, STANDARD_ERROR };

// The debug output stream: echoes each text at once to the debugger channel
// (none on Linux) and to standard output as UTF-8. Adds no newline.
class DebugOut {
  public:
    DebugOut& operator<<(const String& text);
    DebugOut& operator<<(const char* utf8);
    // Sends the echo to stream instead; tools whose standard output holds only
    // results send it to standard error.
    void set_stream(DebugStream stream) { stream_ = stream; }

  private:
    DebugStream stream_ = DebugStream::STANDARD_OUTPUT;
};

extern DebugOut debug_out;

} // namespace lum
