#include "lum/app/process/self_check.hpp"
#include "lum/core/runtime_warning.hpp"
#include "lum/text/string_list.hpp"

namespace lum {

SelfCheck unit_test_string() {
    SelfCheck check("UnitTest_String");
    check.expect(String("漢字ABCabc") == String(u"漢字ABCabc"), "UTF-8 and UTF-16 text agree");
    check.expect(String("漢字ABCabc").length() == 8, "length counts units");
    check.expect(String(u"\u3042").to_utf8() == "\xE3\x81\x82", "to_utf8 of U+3042");
    check.expect(String(u"\u00E9").to_utf8() == "\xC3\xA9", "to_utf8 of U+00E9");

    StringList words = String("hello halvane world").split(Char(' '));
    check.expect_text(words.camelcase(), String("HelloHalvaneWorld"), "camelcase");
    check.expect_text(words.camelcase(LOWER_CAMEL), String("helloHalvaneWorld"), "camelcase LOWER_CAMEL");
    check.expect_text(words.snakecase(), String("hello_halvane_world"), "snakecase");
    check.expect_text(words.snakecase(UPPER_SNAKE), String("HELLO_HALVANE_WORLD"), "snakecase UPPER_SNAKE");
    check.expect_text(String("123, 456, 789").split(String(", ")).join(Char(':')), String("123:456:789"),
                      "split and join");

    String apple("   apple   ");
    check.expect_text(apple.trim(), String("apple"), "trim");
    check.expect_text(apple.ltrim(), String("apple   "), "ltrim");
    check.expect_text(apple.rtrim(), String("   apple"), "rtrim");
    check.expect_text(apple.split().join(), apple, "split().join()");
    check.expect(String("a,,b").split(Char(',')).count() == 3, "empty middle piece kept");
    check.expect(String("a,").split(Char(',')).count() == 1, "no empty last piece");

    check.expect_text(String("a//b").replace(String("//"), String("/")), String("a/b"), "replace");
    check.expect_text(String("abc").replace(String(""), String("-")), String("a-b-c"), "replace empty");
    check.expect(String("0x1F").to_int64() == 31, "to_int64 hexadecimal");
    check.expect(String("010").to_int64() == 8, "to_int64 octal");
    check.expect(String("  -12abc").to_int64() == -12, "to_int64 stops at the first unusable unit");
    check.expect(String::from_double(0.1) == String("0.1"), "from_double");
    {
        // Out-of-range reads are survivable; the checks need not print them.
        SilentWarnings quiet;
        const String abc("abc");
        check.expect(abc.At(-1) == Char('c'), "At(-1)");
        check.expect(abc.At(3) == Char::Null, "At(3) gives 0");
    }
    return check;
}

} // namespace lum
