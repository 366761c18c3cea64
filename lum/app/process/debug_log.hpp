#pragma once

#include "lum/data/file.hpp"
#include "lum/text/string.hpp"

namespace lum {

// A log that echoes each line to the debug output and appends it, as UTF-8
// with a byte order mark at the start, to a file named from the user hash.
class TextLogFile {
  public:
    TextLogFile() = default;
    TextLogFile(const TextLogFile&) = delete;
    TextLogFile& operator=(const TextLogFile&) = delete;
    virtual ~TextLogFile() = default;

    // The format pattern of the file name; "{0}" is the user hash.
    virtual const char* file_name_pattern() const = 0;

    // Echoes the line and appends it with one LF, flushed at once. Opens (and
    // truncates) the file on first use; a file that cannot be opened is tried
    // again at the next line.
    void write_line(const String& text);

    // The name the file gets for a user hash.
    String file_name(uint32_t user_hash) const;

  private:
    File file_;
};

// The engine's debug log: "debuglog-XXXXXXXX.txt" in the working directory.
class DebugLog : public TextLogFile {
  public:
    const char* file_name_pattern() const override { return "debuglog-{0:X8}.txt"; }

    // The process-wide log, created on first use.
    static DebugLog& instance();
};

} // namespace lum
