#include "lum/core/runtime_warning.hpp"
#include "lum/text/format.hpp"

#include "support/test_access.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using lum::Format;
using lum::String;
using lum::Variant;

namespace {

// Formats through both pattern forms, the narrow one read in place and the
// String one, which must agree.
template <typename... Args>
std::string fmt8(const char* pattern, const Args&... args) {
    std::string narrow = Format(pattern, args...).to_utf8();
    std::string wide = Format(String(pattern), args...).to_utf8();
    EXPECT_EQ(narrow, wide) << "pattern " << pattern;
    return wide;
}

} // namespace

TEST(Format, BracesAndPlainTextFollowTheGrammar) {
    EXPECT_EQ(fmt8("{{{0}}}", 7), "{7}");
    EXPECT_EQ(fmt8("a}b", 1), "a}b");
    EXPECT_EQ(fmt8("a}}b", 1), "a}b");
    EXPECT_EQ(fmt8("{x}", 1), "x}");
    EXPECT_EQ(fmt8("tail{", 1), "tail");
    EXPECT_EQ(fmt8("{0}-{1}-{0}", 'a', 'b'), "a-b-a");
    EXPECT_EQ(fmt8("{5}", 0, 1, 2, 3, 4, 5), "5");
    EXPECT_EQ(fmt8("{05}", 0, 1, 2, 3, 4, 5), "5");
    // A zero code unit in the pattern is skipped.
    EXPECT_EQ(Format(String(u"a\0b{0}", 6), 1).to_utf8(), "ab1");
    // Code units outside ASCII pass through, and text widths count code units.
    EXPECT_EQ(fmt8("漢字{0}", "ä"), "漢字ä");
    EXPECT_EQ(fmt8("{0,4}", "漢字"), "  漢字");
}

TEST(Format, LongOutputsGrowPastTheStackBuffer) {
    std::string a(200, 'a');
    std::string b(300, 'b');
    EXPECT_EQ(fmt8("{0}{0}{0}", a), a + a + a);
    EXPECT_EQ(fmt8((b + "{0}" + b).c_str(), String(a)), b + a + b);
    EXPECT_EQ(fmt8("{0,1000}|", 1), std::string(31, ' ') + "1|");
    EXPECT_EQ(fmt8("{0,1000}|", "x"), std::string(999, ' ') + "x|");
}

TEST(Format, AMissingWidthDropsThePlaceholderAndReadsItsRestAsText) {
    EXPECT_EQ(fmt8("{0,x}", 1), "x}");
    EXPECT_EQ(fmt8("{0,-x}", 1), "x}");
    EXPECT_EQ(fmt8("{0,~}", 1), "}");
    EXPECT_EQ(fmt8("<{0:D4,}>", 1), "<}>");
    EXPECT_EQ(fmt8("{0,", 1), "");
}

TEST(Format, UntypedArgumentsPickTheirKindFromTheVariant) {
    EXPECT_EQ(fmt8("{0}", 500), "500");
    EXPECT_EQ(fmt8("{0}", -15), "-15");
    EXPECT_EQ(fmt8("{0}", 0), "0");
    EXPECT_EQ(fmt8("{0}", std::numeric_limits<uint64_t>::max()), "18446744073709551615");
    EXPECT_EQ(fmt8("{0}", std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(fmt8("{0}", true), "true");
    EXPECT_EQ(fmt8("{0}", false), "false");
    EXPECT_EQ(fmt8("{0}", String("abc")), "abc");
    EXPECT_EQ(fmt8("{0}", u"wide"), "wide");
    EXPECT_EQ(fmt8("{0}", 'A'), "A");
    EXPECT_EQ(fmt8("{0}", 1.234567), "1.23");
    EXPECT_EQ(fmt8("{0}", 2.5f), "2.50");
    int x = 0;
    char want[64];
    std::snprintf(want, sizeof want, "[ptr:%p]", static_cast<void*>(&x));
    EXPECT_EQ(fmt8("{0}", static_cast<const void*>(&x)), want);
}

TEST(Format, IntegerLettersGiveTheirBasesAndZeroPadding) {
    EXPECT_EQ(fmt8("{0:D8}", 500), "00000500");
    EXPECT_EQ(fmt8("{0:d8}", -15), "-0000015");
    EXPECT_EQ(fmt8("{0:D2}", 3), "03");
    EXPECT_EQ(fmt8("{0:D}", 123), "123");
    EXPECT_EQ(fmt8("{0:X}", 500), "1F4");
    EXPECT_EQ(fmt8("{0:X8}", 500), "000001F4");
    EXPECT_EQ(fmt8("{0:X8}", -15), "-000000F");
    EXPECT_EQ(fmt8("{0:x}", 500), "1f4");
    EXPECT_EQ(fmt8("{0:X8}", 4294967296LL), "100000000");
    EXPECT_EQ(fmt8("{0:O}", 500), "764");
    EXPECT_EQ(fmt8("{0:o8}", 500), "00000764");
    EXPECT_EQ(fmt8("{0:O8}", -15), "-0000017");
    EXPECT_EQ(fmt8("{0:B8}", 5), "00000101");
    EXPECT_EQ(fmt8("{0:B}", 0), "0");
    // Binary is unsigned: -1 shows all 64 bits.
    EXPECT_EQ(fmt8("{0:B}", -1), std::string(64, '1'));
    EXPECT_EQ(fmt8("{0:D}", std::numeric_limits<uint64_t>::max()), "-1");
}

TEST(Format, BitMapShowsSetBitsAsTheirPositionModTen) {
    EXPECT_EQ(fmt8("{0:b8}", 5), ".....2.0");
    EXPECT_EQ(fmt8("{1:b24}", 0, 4), std::string(21, '.') + "2..");
    EXPECT_EQ(fmt8("{1:b24}", 0, 8192), std::string(10, '.') + "3" + std::string(13, '.'));
    EXPECT_EQ(fmt8("{0:b}", 0x7FF), "09876543210");
    EXPECT_EQ(fmt8("{0:b4}", 0), "....");
    // Space padding from a plain width stays blank.
    EXPECT_EQ(fmt8("{0:b,8}", 5), "     2.0");
}

TEST(Format, RadixLetterTakesItsCountAsTheRadix) {
    EXPECT_EQ(fmt8("{0:Z36}", 35), "z");
    EXPECT_EQ(fmt8("{0:z16}", 48879), "beef");
    EXPECT_EQ(fmt8("{0:Z2}", 5), "101");
    EXPECT_EQ(fmt8("{0:Z1}", 10), "10");
    EXPECT_EQ(fmt8("{0:Z}", 10), "10");
    EXPECT_EQ(fmt8("{0:Z99}", 35), "z");
    EXPECT_EQ(fmt8("{0:Z36}", 36), "10");
    EXPECT_EQ(fmt8("{0:Z16,4}", 255), "  ff");
}

TEST(Format, FixedPointUsesPrintfRounding) {
    EXPECT_EQ(fmt8("{0:F4}", 1.234567), "1.2346");
    EXPECT_EQ(fmt8("{0:f}", 1.0), "1.00");
    EXPECT_EQ(fmt8("{0:F1}", 2.5), "2.5");
    EXPECT_EQ(fmt8("{0:F4,8}", 1.234567), "  1.2346");
    EXPECT_EQ(fmt8("{0:F8,10}", 0.123456789), "0.12345679");
    EXPECT_EQ(fmt8("{0:F,-8}", 1.5), "    1.50");
    // 2.675 is stored just below the tie; exact ties round to even.
    EXPECT_EQ(fmt8("{0:F2}", 2.675), "2.67");
    EXPECT_EQ(fmt8("{0:F0}", 0.5), "0");
    EXPECT_EQ(fmt8("{0:F0}", 1.5), "2");
    EXPECT_EQ(fmt8("{0:F0}", 2.5), "2");
    EXPECT_EQ(fmt8("{0:F}", -0.0), "-0.00");
    EXPECT_EQ(fmt8("{0:F0}", 1e20), "100000000000000000000");
    EXPECT_EQ(fmt8("{0:F}", std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(fmt8("{0:F}", -std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(fmt8("{0:F3}", 7), "7.000");
    EXPECT_EQ(fmt8("{0:F1}", "2.25"), "2.2");
    // The largest double still fits: 309 integer digits, the point and 2 decimals.
    EXPECT_EQ(fmt8("{0:F}", std::numeric_limits<double>::max()).size(), 312u);
}

TEST(Format, CharacterLetterTakesTheLow16Bits) {
    EXPECT_EQ(fmt8("{0:C}", 65), "A");
    EXPECT_EQ(fmt8("{0:c3}", 65), "  A");
    EXPECT_EQ(fmt8("{0:C3,-2}", 65), "A ");
    EXPECT_EQ(fmt8("{0:C}", 0x10000 + 0x42), "B");
    EXPECT_EQ(fmt8("{0:C}", 0x3042), "あ");
}

TEST(Format, WidthsPadNumbersOnTheLeftAndTextOnEitherSide) {
    EXPECT_EQ(fmt8("{0,6}", 42), "    42");
    EXPECT_EQ(fmt8("{0,-6}", 42), "    42");
    EXPECT_EQ(fmt8("{0,-6}", "ab"), "ab    ");
    EXPECT_EQ(fmt8("{0,6}", "ab"), "    ab");
    EXPECT_EQ(fmt8("{0,~6}", "ab"), "    ab");
    EXPECT_EQ(fmt8("{0,3}", "abcdef"), "abcdef");
    EXPECT_EQ(fmt8("{0,7}", -15), "    -15");
    EXPECT_EQ(fmt8("{0:D3,6}", 7), "000007");
    EXPECT_EQ(fmt8("{0:D8,2}", 7), "07");
    EXPECT_EQ(fmt8("{0,-6}|{1,6}", true, 'x'), "true  |     x");
}

TEST(Format, WidthsAreBounded) {
    EXPECT_EQ(fmt8("{0,40}", 1), std::string(31, ' ') + "1");
    EXPECT_EQ(fmt8("{0:D99}", 1), std::string(31, '0') + "1");
    EXPECT_EQ(fmt8("{0:X40}", -1), "-" + std::string(30, '0') + "1");
    EXPECT_EQ(fmt8("{0:F40}", 0.5), "0.5" + std::string(31, '0'));
    EXPECT_EQ(fmt8("{0,99999999999999999999}", "a"), std::string(1023, ' ') + "a");
}

TEST(Format, ErrorsAppendAMarkerAndDropTheRest) {
    EXPECT_EQ(fmt8("{1}", 1), "[Overflow]");
    EXPECT_EQ(fmt8("a{1}b{0}", 1), "a[Overflow]");
    EXPECT_EQ(fmt8("{99999999999999999999}", 1), "[Overflow]");
    EXPECT_EQ(Format("x{0}y").to_utf8(), "x[Overflow]");
    EXPECT_EQ(fmt8("ab{0:Q}cd", 1), "ab[Err:Q]");
    EXPECT_EQ(fmt8("{0:D3x", 1), "[Err-close:x]");
    EXPECT_EQ(fmt8("{0:D3 }", 1), "[Err-close: ]");
    EXPECT_EQ(fmt8("ok {0", 1), "ok [Err-close:]");
    EXPECT_EQ(fmt8("{0:", 1), "[Err:]");
    EXPECT_EQ(fmt8("{0'es}", 1), "[Err-x:}]");
    EXPECT_EQ(fmt8("{0'}", 1), "[Err-x:}]");
    EXPECT_EQ(fmt8("{0'sx1}", 1), "[Err-x:1]");
    EXPECT_EQ(fmt8("{0's1}", 1), "[Err-close:1]");
    EXPECT_EQ(fmt8("{0'", 1), "[Err-x:]");
    // The placeholder's parts come in one order only.
    EXPECT_EQ(fmt8("{0:D2's}", 1), "[Err-close:']");
    EXPECT_EQ(fmt8("{0,4:D2}", 1), "[Err-close::]");
    // Output built before the error stays.
    EXPECT_EQ(fmt8("{0} {1} {2:W}", 1, 2, 3), "1 2 [Err:W]");
}

TEST(Format, PluralModeFollowsTheLastNumber) {
    EXPECT_EQ(fmt8("{0} {1's}", 2, "core"), "2 cores");
    EXPECT_EQ(fmt8("{0} {1's}", 1, "core"), "1 core");
    EXPECT_EQ(fmt8("{0} {1's}", 0, "core"), "0 core");
    EXPECT_EQ(fmt8("{0} {1's}", -5, "core"), "-5 core");
    EXPECT_EQ(fmt8("{0:F1} {1's}", 2.5, "core"), "2.5 cores");
    // A fixed-point value counts truncated toward zero.
    EXPECT_EQ(fmt8("{0} {1's}", 1.9, "core"), "1.90 core");
    // Unsigned values compare as signed 64-bit numbers.
    EXPECT_EQ(fmt8("{0} {1's}", std::numeric_limits<uint64_t>::max(), "core"), "18446744073709551615 core");
    EXPECT_EQ(fmt8("{1's}", 3, "core"), "core");
    EXPECT_EQ(fmt8("{0} {1's} {2} {3's}", 4, "box", 1, "city"), "4 boxes 1 city");
    EXPECT_EQ(fmt8("{0} {1's,-7}|", 3, "box"), "3 boxes  |");
    EXPECT_EQ(fmt8("{0:X} {1's}", 16, "day"), "10 days");
    // Text and characters leave the last number alone; plural mode on numbers does nothing.
    EXPECT_EQ(fmt8("{0} {1} {2's}", 3, "x", "leaf"), "3 x leaves");
    EXPECT_EQ(fmt8("{0's} {1's:D2}", 5, 5), "5 05");
}

TEST(Format, OrdinalModeGivesTheOrdinalWithoutPadding) {
    const int values[] = {1, 2, 3, 4, 11, 13, 22, 101};
    const char* wants[] = {"1st", "2nd", "3rd", "4th", "11th", "13th", "22nd", "101st"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(fmt8("{0'th}", values[i]), wants[i]);
        EXPECT_EQ(fmt8("{0'nth}", values[i]), wants[i]);
    }
    EXPECT_EQ(fmt8("{0'th:D8}", 3), "3rd");
    EXPECT_EQ(fmt8("{0'th:X}", 255), "255th");
    EXPECT_EQ(fmt8("{0'th,8}", 2), "2nd");
    // Only the low 32 bits count.
    EXPECT_EQ(fmt8("{0'th}", 4294967298LL), "2nd");
    // The ordinal number still counts for plural mode.
    EXPECT_EQ(fmt8("{0'th} {1's}", 2, "place"), "2nd places");
}

TEST(Format, OrdinalOfANegativeNumberWarnsAndGivesNothing) {
    int before = lum::warning_count();
    testing::internal::CaptureStderr();
    std::string got = Format("[{0'th}]", -3).to_utf8();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(got, "[]");
    EXPECT_EQ(lum::warning_count(), before + 1);
    EXPECT_EQ(err, "[lum.runtime.warning String::nth] Invalid parameter (n=-3)\n");
}

TEST(Nth, GivesEnglishOrdinals) {
    const int values[] = {0, 1, 2, 3, 4, 10, 11, 12, 13, 19, 20, 21, 22, 23, 100, 111, 112, 2147483647};
    const char* wants[] = {"0th",  "1st",  "2nd",  "3rd",  "4th",  "10th",  "11th",  "12th",  "13th",
                           "19th", "20th", "21st", "22nd", "23rd", "100th", "111st", "112nd", "2147483647th"};
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(String::nth(values[i]).to_utf8(), wants[i]) << values[i];
    EXPECT_EQ(lum::nth(42).to_utf8(), "42nd");
}

TEST(Nth, NegativeNumberWarnsOnceAndGivesEmptyText) {
    int before = lum::warning_count();
    testing::internal::CaptureStderr();
    String got = String::nth(-1);
    String min = String::nth(std::numeric_limits<int32_t>::min());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(got.empty());
    EXPECT_TRUE(min.empty());
    EXPECT_EQ(lum::warning_count(), before + 2);
    EXPECT_EQ(err, "[lum.runtime.warning String::nth] Invalid parameter (n=-1)\n"
                   "[lum.runtime.warning String::nth] Invalid parameter (n=-2147483648)\n");
}

TEST(Variant, ConvertsEachTypeToNumbers) {
    EXPECT_EQ(Variant(500u).to_int64(), 500);
    EXPECT_EQ(Variant(std::numeric_limits<uint64_t>::max()).to_int64(), -1);
    EXPECT_EQ(Variant(-15).to_uint64(), std::numeric_limits<uint64_t>::max() - 14);
    EXPECT_EQ(Variant(-15).to_double(), -15.0);
    EXPECT_EQ(Variant(std::numeric_limits<uint64_t>::max()).to_double(), 18446744073709551616.0);
    EXPECT_EQ(Variant(-2.7).to_int64(), -2);
    EXPECT_EQ(Variant(2.7).to_uint64(), 2u);
    EXPECT_EQ(Variant(2.7).to_double(), 2.7);
    EXPECT_EQ(Variant(true).to_int64(), 1);
    EXPECT_EQ(Variant(false).to_double(), 0.0);
    EXPECT_EQ(Variant('A').to_int64(), 65);
    EXPECT_EQ(Variant(u'\u3042').to_uint64(), 0x3042u);
    EXPECT_EQ(Variant("0x1F").to_int64(), 31);
    EXPECT_EQ(Variant("010").to_uint64(), 8u);
    EXPECT_EQ(Variant("  -12abc").to_int64(), -12);
    EXPECT_EQ(Variant("abc").to_int64(), 0);
    EXPECT_EQ(Variant("3.5").to_double(), 3.5);
    int x = 0;
    EXPECT_EQ(Variant(static_cast<const void*>(&x)).to_int64(), 0);
    EXPECT_EQ(Variant(static_cast<const void*>(&x)).to_double(), 0.0);
    // Out-of-range doubles saturate instead of overflowing.
    EXPECT_EQ(Variant(1e300).to_int64(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Variant(-1e300).to_int64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Variant(1e300).to_uint64(), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(Variant(std::numeric_limits<double>::quiet_NaN()).to_int64(), 0);
    // The last number of a huge fixed-point value saturates.
    std::string huge = fmt8("{0} {1's}", 1e300, "core");
    EXPECT_EQ(huge.substr(huge.size() - 9), ".00 cores");
    EXPECT_EQ(fmt8("{0:D}", "  42"), "42");
    EXPECT_EQ(fmt8("{0:X}", 'A'), "41");
}

TEST(Variant, ToStringGivesEachTypesText) {
    EXPECT_EQ(Variant(500u).to_string().to_utf8(), "500");
    EXPECT_EQ(Variant(-15).to_string().to_utf8(), "-15");
    EXPECT_EQ(Variant(std::numeric_limits<int64_t>::min()).to_string().to_utf8(), "-9223372036854775808");
    EXPECT_EQ(Variant(1.5).to_string().to_utf8(), "1.5");
    EXPECT_EQ(Variant(0.1).to_string().to_utf8(), "0.1");
    EXPECT_EQ(Variant(123456789.0).to_string().to_utf8(), "1.23457e+08");
    EXPECT_EQ(Variant(true).to_string().to_utf8(), "true");
    EXPECT_EQ(Variant(false).to_string().to_utf8(), "false");
    EXPECT_EQ(Variant(u'\u00e9').to_string().to_utf8(), "\xC3\xA9");
    EXPECT_EQ(Variant(String("text")).to_string().to_utf8(), "text");
    EXPECT_EQ(Variant(L"wide").to_string().to_utf8(), "wide");
    int x = 0;
    char want[64];
    std::snprintf(want, sizeof want, "[ptr:%p]", static_cast<void*>(&x));
    EXPECT_EQ(Variant(static_cast<const void*>(&x)).to_string().to_utf8(), want);
    EXPECT_EQ(lum::TestAccess::variant_with_tag(3, 0x100).to_string().to_utf8(), "false");
    EXPECT_EQ(lum::TestAccess::variant_with_tag(4, 0x10041).to_string().to_utf8(), "A");
}

TEST(Variant, UnknownTagPrintsUnimplementedAndGivesZero) {
    Variant odd = lum::TestAccess::variant_with_tag(7, 42);
    testing::internal::CaptureStderr();
    String text = odd.to_string();
    int64_t i = odd.to_int64();
    uint64_t u = odd.to_uint64();
    double d = odd.to_double();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(i, 0);
    EXPECT_EQ(u, 0u);
    EXPECT_EQ(d, 0.0);
    EXPECT_EQ(err, "lum::Variant::to_string: unimplemented - 7\n"
                   "lum::Variant::to_int64: unimplemented - 7\n"
                   "lum::Variant::to_uint64: unimplemented - 7\n"
                   "lum::Variant::to_double: unimplemented - 7\n");

    testing::internal::CaptureStderr();
    std::string got =
        Format("<{0}|{1:D}|{2:F}>", odd, lum::TestAccess::variant_with_tag(-1, 0), odd).to_utf8();
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(got, "<|0|0.00>");
    EXPECT_EQ(err, "lum::Variant::to_string: unimplemented - 7\n"
                   "lum::Variant::to_int64: unimplemented - -1\n"
                   "lum::Variant::to_double: unimplemented - 7\n");
}
