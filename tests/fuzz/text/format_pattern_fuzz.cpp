// Arbitrary Format patterns with a fixed set of arguments of every kind.

#include "lum/core/runtime_warning.hpp"
#include "lum/text/format.hpp"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = [] {
        std::freopen("/dev/null", "w", stdout);
        lum::WarningStack::push(false);
        return true;
    }();
    (void)quiet;
    lum::String pattern(std::string(reinterpret_cast<const char*>(data), size));
    (void)lum::Format(pattern);
    (void)lum::Format(pattern, -15, 4294967296ull, 1.234567, true, lum::Char(u'あ'), "core");
    (void)lum::Format(pattern, INT64_MIN, UINT64_MAX, -1e300, lum::String("x"));
    return 0;
}
