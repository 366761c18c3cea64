#include "lum/app/process/self_check.hpp"
#include "lum/core/runtime_warning.hpp"
#include "lum/text/format.hpp"

namespace lum {

SelfCheck unit_test_format() {
    SelfCheck check("UnitTest_Format");

    // Untyped arguments.
    check.expect_text(Format("{0}", 500), String("500"), "unsigned decimal");
    check.expect_text(Format("{0}", -15), String("-15"), "signed decimal");
    check.expect_text(Format("{0}", true), String("true"), "bool");
    check.expect_text(Format("{0}", String("abc")), String("abc"), "string");
    check.expect_text(Format("{0}", 1.234567), String("1.23"), "double as fixed point");
    check.expect_text(Format("CONFIG JOYPAD{0} - {1}", 1, "LEFT"), String("CONFIG JOYPAD1 - LEFT"),
                      "two arguments");

    // Grammar.
    check.expect_text(Format("{{{0}}}", 7), String("{7}"), "doubled braces");
    check.expect_text(Format("a}b", 7), String("a}b"), "lone closing brace");
    check.expect_text(Format("{x}", 7), String("x}"), "brace before a non-digit");
    check.expect_text(Format("{0,x}", 1), String("x}"), "comma without width");

    // Letters.
    check.expect_text(Format("{0:D8}", -15), String("-0000015"), "D8 negative");
    check.expect_text(Format("{0:X8}", 500), String("000001F4"), "X8");
    check.expect_text(Format("{0:x}", 500), String("1f4"), "x");
    check.expect_text(Format("{0:O8}", 500), String("00000764"), "O8");
    check.expect_text(Format("{0:B8}", 5), String("00000101"), "B8");
    check.expect_text(Format("{0:b8}", 5), String(".....2.0"), "b8 bit map");
    check.expect_text(Format("{0:b24}", 8192), String("..........3............."), "b24 bit 13");
    check.expect_text(Format("{0:Z36}", 35), String("z"), "radix 36");
    check.expect_text(Format("{0:Z1}", 10), String("10"), "radix below 2");
    check.expect_text(Format("{0:F4}", 1.234567), String("1.2346"), "F4");
    check.expect_text(Format("{0:C}", 65), String("A"), "C");
    check.expect_text(Format("{0:X8}", 4294967296LL), String("100000000"), "width never cuts");

    // Widths.
    check.expect_text(Format("{0,6}", 42), String("    42"), "number width");
    check.expect_text(Format("{0,-6}", 42), String("    42"), "no left-align for numbers");
    check.expect_text(Format("{0,-6}", "ab"), String("ab    "), "left-aligned text");
    check.expect_text(Format("{0:D3,6}", 7), String("000007"), "width keeps zero padding");
    check.expect_text(Format("{0:F4,8}", 1.234567), String("  1.2346"), "fixed-point width");

    // Markers.
    check.expect_text(Format("{1}", 1), String("[Overflow]"), "overflow");
    check.expect_text(Format("ab{0:Q}cd", 1), String("ab[Err:Q]"), "unknown letter");
    check.expect_text(Format("{0:D3x", 1), String("[Err-close:x]"), "missing close");
    check.expect_text(Format("{0'es}", 1), String("[Err-x:}]"), "unknown word");

    // Plural and ordinal modes.
    check.expect_text(Format("{0} {1's}", 2, "core"), String("2 cores"), "plural");
    check.expect_text(Format("{0} {1's}", 1, "core"), String("1 core"), "singular");
    check.expect_text(Format("{0:F1} {1's}", 2.5, "core"), String("2.5 cores"), "plural after fixed point");
    check.expect_text(Format("{0'th}", 22), String("22nd"), "ordinal");

    check.expect_text(String::nth(1), String("1st"), "nth 1");
    check.expect_text(String::nth(3), String("3rd"), "nth 3");
    check.expect_text(String::nth(12), String("12th"), "nth 12");
    check.expect_text(String::nth(111), String("111st"), "nth 111");
    check.expect_text(String::nth(112), String("112nd"), "nth 112");
    {
        // The negative ordinal's warning is expected here; the check need not print it.
        SilentWarnings quiet;
        check.expect_text(String::nth(-1), String(), "nth of a negative number");
    }
    return check;
}

} // namespace lum
