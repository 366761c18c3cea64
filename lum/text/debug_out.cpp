#include "lum/text/debug_out.hpp"

#include <cstdio>

namespace lum {

DebugOut debug_out;

DebugOut& DebugOut::operator<<(const String& text) {
    std::string bytes = text.to_utf8();
    std::FILE* out = stdout;
    if (stream_ == DebugStream::STANDARD_ERROR) {
        // Results already written to standard output keep their place before it.
        std::fflush(stdout);
        out = stderr;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    // A program watching the output sees each record as it is written.
    std::fflush(out);
    return *this;
}

DebugOut& DebugOut::operator<<(const char* utf8) {
    return *this << String(utf8);
}

} // namespace lum
