#include "lum/app/process/self_check.hpp"

#include "lum/app/process/debug_log.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

namespace lum {

int run_self_checks() {
    // A failing check goes to the debug log as well, so it can be read after the box.
    SelfCheck::set_reporter([](const String& line) { DebugLog::instance().write_line(line); });
    SelfCheck (*const suites[])() = {unit_test_color, unit_test_random, unit_test_format,
                                     unit_test_char,  unit_test_string, unit_test_cpp_extends};
    int errors = 0;
    for (auto suite : suites) {
        SelfCheck result = suite();
        debug_out << Format("{0} of {1} test passed ({2} errors)", result.passed(), result.total(),
                            result.errors())
                  << "\n";
        errors += result.errors();
    }
    SelfCheck::set_reporter(nullptr);
    return errors;
}

} // namespace lum
