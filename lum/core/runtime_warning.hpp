#pragma once

#include <cstdint>

namespace lum {

// Prints "[lum.runtime.warning WHERE] MESSAGE (NAME=VALUE)" on standard error and
// counts it, unless the top of the warning stack silences warnings.
void runtime_warning(const char* where, const char* message, const char* name, int32_t value);

// The same with a text value, printed with "%s" in place of "%d".
void runtime_warning(const char* where, const char* message, const char* name, const char* value);

// Number of warnings printed since the process started.
int32_t warning_count();

// The stack that decides whether warnings print: empty or true on top prints.
namespace WarningStack {
void push(bool print);
void pop();
bool empty();
void clear();
} // namespace WarningStack

// Silences warnings for its lifetime.
class SilentWarnings {
  public:
    SilentWarnings() { WarningStack::push(false); }
    ~SilentWarnings() { WarningStack::pop(); }
    SilentWarnings(const SilentWarnings&) = delete;
    SilentWarnings& operator=(const SilentWarnings&) = delete;
};

} // namespace lum
