#pragma once

#include "lum/text/string.hpp"

namespace lum {

// The tally of one start-up self-check suite. Each check compares with a known
// answer written beside it; a failing check names itself on the debug output.
class SelfCheck {
  public:
    explicit SelfCheck(const char* suite) : suite_(suite) {}

    // Counts one check; prints "[SUITE] failed: WHAT" when ok is false.
    void expect(bool ok, const char* what);
    // Counts one check of a text against its known answer, naming both on failure.
    void expect_text(const String& got, const String& want, const char* what);

    // Where failing checks are reported; null restores the debug output.
    static void set_reporter(void (*reporter)(const String& line));

    int passed() const { return passed_; }
    int total() const { return total_; }
    int errors() const { return total_ - passed_; }

  private:
    const char* suite_;
    int passed_ = 0;
    int total_ = 0;
};

} // namespace lum
