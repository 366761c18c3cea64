#include "lum/core/runtime_warning.hpp"
#include "lum/text/format.hpp"
#include "lum/text/string.hpp"

namespace lum {

String String::nth(int32_t n) {
    if (n < 0) {
        runtime_warning("String::nth", "Invalid parameter", "n", n);
        return String();
    }
    static const String th(u"{0}th");
    static const String st(u"{0}st");
    static const String nd(u"{0}nd");
    static const String rd(u"{0}rd");
    // The teens all take "th": 11th, 12th, 13th.
    const String* pattern = &th;
    if (n < 10 || n > 19) {
        switch (n % 10) {
        case 1:
            pattern = &st;
            break;
        case 2:
            pattern = &nd;
            break;
        case 3:
            pattern = &rd;
            break;
        default:
            break;
        }
    }
    return Format(*pattern, n);
}

} // namespace lum
