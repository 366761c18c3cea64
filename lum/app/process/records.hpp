#pragma once

namespace lum {

// Writes a progress record and a newline to standard output, flushed at once so
// that a program watching the output sees it as it is written.
void put_record(const char* text);

// Writes text to standard error after flushing standard output, so records on
// both streams keep their order when they share one pipe.
void error_record(const char* text);

} // namespace lum
