// Arbitrary bytes as UTF-8: construction, appending and the way back.

#include "lum/core/runtime_warning.hpp"
#include "lum/text/string.hpp"
#include "lum/text/string_list.hpp"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = [] {
        // Illegal bytes print diagnostics; the fuzzer only cares about crashes.
        std::freopen("/dev/null", "w", stdout);
        lum::WarningStack::push(false);
        return true;
    }();
    (void)quiet;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    lum::String s(bytes);
    std::string back = s.to_utf8();
    lum::String again(back);
    lum::String appended("x");
    appended += bytes.c_str();
    lum::String t = s.trim();
    lum::StringList parts = s.split(lum::Char(','));
    (void)parts.join(lum::String(";"));
    (void)s.to_int64();
    (void)s.to_double();
    (void)s.At(static_cast<int32_t>(size) - 3);
    if (s.length() > 0 && again.length() != s.length())
        __builtin_trap(); // re-decoding our own UTF-8 must keep the unit count
    return 0;
}
