#pragma once

#include "lum/text/self_check.hpp"

namespace lum {

// The six start-up suites, each checking its area against known answers.
SelfCheck unit_test_color();
SelfCheck unit_test_random();
SelfCheck unit_test_format();
SelfCheck unit_test_char();
SelfCheck unit_test_string();
SelfCheck unit_test_cpp_extends();

// Runs the six suites in order, writes "{0} of {1} test passed ({2} errors)" after
// each on the debug output, and returns the total number of errors.
int run_self_checks();

} // namespace lum
