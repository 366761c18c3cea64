#include "lum/core/runtime_warning.hpp"
#include "lum/text/string.hpp"
#include "lum/text/string_list.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

using lum::Char;
using lum::String;
using lum::StringList;
using lum::StringRef;

namespace {

std::string bytes(std::initializer_list<unsigned char> b) {
    return std::string(b.begin(), b.end());
}

} // namespace

TEST(String, AllFourSourcesOfTheSameTextCompareEqual) {
    String a("漢字ABCabc");
    String b(u"漢字ABCabc");
    String c(std::string("漢字ABCabc"));
    String d(std::wstring(L"漢字ABCabc"));
    EXPECT_EQ(a.length(), 8);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c);
    EXPECT_EQ(a, d);
    EXPECT_EQ(String(static_cast<const char*>(nullptr)), String());
}

TEST(String, EncodesUtf8ByteForByte) {
    EXPECT_EQ(String(u"\u00E9").to_utf8(), bytes({0xC3, 0xA9}));
    EXPECT_EQ(String(u"\u3042").to_utf8(), bytes({0xE3, 0x81, 0x82}));
    EXPECT_EQ(String(u"A\u07FF\u0800\uFFFF").to_utf8(),
              bytes({'A', 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF}));
    // A surrogate unit is encoded alone, like any other unit.
    EXPECT_EQ(String(std::u16string(1, u'\xD800')).to_utf8(), bytes({0xED, 0xA0, 0x80}));
}

TEST(String, SupplementaryCharactersBecomeGetaMark) {
    String s(bytes({'a', 0xF0, 0x9F, 0x98, 0x80, 'b'}));
    EXPECT_EQ(s, String(u"a\u3013b"));
    EXPECT_EQ(String(L"x\U0001F600"), String(u"x\u3013"));
}

TEST(String, IllegalUtf8FollowsTheDecoderRules) {
    // A continuation byte where a sequence should start: empty, silently.
    int before = lum::warning_count();
    EXPECT_TRUE(String(bytes({'a', 0x82, 'b'})).empty());
    EXPECT_EQ(lum::warning_count(), before);

    testing::internal::CaptureStdout();
    String overlong(bytes({0xC1, 0x81}));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(overlong.length(), 1);
    EXPECT_EQ(overlong.At(0), Char::Null);
    EXPECT_NE(out.find("[warning][utf8_fetch] Illegal utf-8 1st byte [0xC1](EUC-JP?)"), std::string::npos);

    testing::internal::CaptureStdout();
    String appended;
    appended += bytes({'a', 0x82, 'b'}).c_str();
    out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(appended, String(std::u16string(u"a\0", 2)));
    EXPECT_NE(out.find("[0x82](Shift_JIS?)"), std::string::npos);

    // FE and FF are skipped by the count but warned about by the fetch.
    testing::internal::CaptureStderr();
    before = lum::warning_count();
    String ff(bytes({'a', 0xFF, 'b'}));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ff, String(std::u16string(u"a\0", 2)));
    EXPECT_EQ(lum::warning_count(), before + 1);
    EXPECT_NE(err.find("[lum.runtime.warning utf8_fetch] unicode decode (s="), std::string::npos);
}

TEST(String, TruncatedSequenceKeepsTheBitsReadSoFar) {
    // E3 81 then the end: the lead and one continuation byte make the unit.
    EXPECT_EQ(String(bytes({0xE3, 0x81})), String(u"\u3040"));
}

TEST(String, IndexAccessAcceptsNegativeIndicesAndNeverFailsHard) {
    String s("abc");
    const String& cs = s;
    EXPECT_EQ(cs.At(-1), Char('c'));
    EXPECT_EQ(cs.At(0), Char('a'));
    int before = lum::warning_count();
    testing::internal::CaptureStderr();
    EXPECT_EQ(cs.At(3), Char::Null);
    EXPECT_EQ(cs.At(-4), Char::Null);
    char16_t& dummy = s.At(7);
    dummy = u'z';
    EXPECT_EQ(s.At(8), 0);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lum::warning_count(), before + 4);
    EXPECT_EQ(s, String("abc"));
    EXPECT_NE(err.find("[lum.runtime.warning String::At (const)] out of string (pos=3)\n"),
              std::string::npos);
    EXPECT_NE(err.find("[lum.runtime.warning String::At] out of string (pos=7)\n"), std::string::npos);
    s.At(-3) = u'X';
    EXPECT_EQ(s, String("Xbc"));
}

TEST(String, ParsesIntegersLikeTheRuntimeLibrary) {
    EXPECT_EQ(String("0x1F").to_int64(), 31);
    EXPECT_EQ(String("010").to_int64(), 8);
    EXPECT_EQ(String("  -12abc").to_int64(), -12);
    EXPECT_EQ(String("abc").to_int64(), 0);
    EXPECT_EQ(String("\t+42").to_int64(), 42);
    EXPECT_EQ(String("0x").to_int64(), 0);
    EXPECT_EQ(String("09").to_int64(), 0);
    EXPECT_EQ(String("99999999999999999999").to_int64(), INT64_MAX);
    EXPECT_EQ(String("-99999999999999999999").to_int64(), INT64_MIN);
    EXPECT_EQ(String("-9223372036854775808").to_int64(), INT64_MIN);
    EXPECT_EQ(String("18446744073709551615").to_uint64(), UINT64_MAX);
    EXPECT_EQ(String("18446744073709551616").to_uint64(), UINT64_MAX);
    EXPECT_EQ(String("-1").to_uint64(), UINT64_MAX);
    EXPECT_EQ(String("0XfF").to_uint64(), 255u);
}

TEST(String, ParsesAndPrintsDoubles) {
    EXPECT_DOUBLE_EQ(String(" 1.5e2x").to_double(), 150.0);
    EXPECT_DOUBLE_EQ(String("-.25").to_double(), -0.25);
    EXPECT_DOUBLE_EQ(String("0x10").to_double(), 16.0);
    EXPECT_DOUBLE_EQ(String("x").to_double(), 0.0);
    EXPECT_EQ(String::from_double(1.5), String("1.5"));
    EXPECT_EQ(String::from_double(0.1), String("0.1"));
    EXPECT_EQ(String::from_double(1234567.0), String("1.23457e+06"));
    EXPECT_EQ(String::from_double(100.0), String("100"));
    EXPECT_EQ(String::from_float(0.5f), String("0.5"));
    EXPECT_EQ(String::from_int64(INT64_MIN), String("-9223372036854775808"));
    EXPECT_EQ(String::from_uint64(UINT64_MAX), String("18446744073709551615"));
}

TEST(String, ReplaceFindAndCompare) {
    EXPECT_EQ(String("a/b").replace(String("/"), String("-")), String("a-b"));
    EXPECT_EQ(String("a//b").replace(String("//"), String("/")), String("a/b"));
    EXPECT_EQ(String("aaa").replace(String("aa"), String("b")), String("ba"));
    EXPECT_EQ(String("abc").replace(String(""), String("-")), String("a-b-c"));
    EXPECT_EQ(String("a.b.c").replace(Char('.'), Char('/')), String("a/b/c"));
    EXPECT_EQ(String("abcabc").find(String("bc"), 2), 4);
    EXPECT_EQ(String("abc").find(String("x")), -1);
    EXPECT_EQ(String("abc").find(String(""), 3), 3);
    EXPECT_EQ(String("abc").find(String(""), 4), -1);
    EXPECT_LT(String("ab").compare(String("abc")), 0);
    EXPECT_GT(String(u"\uFF21").compare(String("Z")), 0); // unsigned units
    EXPECT_TRUE(String("a") < String("b"));
}

TEST(String, TrimmingUsesTheWhiteSpaceClass) {
    String s("   apple   ");
    EXPECT_EQ(s.trim(), String("apple"));
    EXPECT_EQ(s.rtrim(), String("   apple"));
    EXPECT_EQ(s.ltrim(), String("apple   "));
    EXPECT_EQ(String(u"\u3000\u2003x\t\r\n").trim(), String("x"));
    EXPECT_EQ(String(u"\u00A0x").trim(), String(u"\u00A0x"));
    EXPECT_EQ(String(" \t ").trim(), String());
}

TEST(String, SplitsAndJoinsBackTheSameText) {
    String apple("   apple   ");
    EXPECT_EQ(apple.split().join(), apple);
    EXPECT_EQ(apple.split(String("")).join(String("")), apple);
    EXPECT_EQ(apple.split(Char::Null).join(String("")), apple);

    StringList nums = String("123, 456, 789").split(String(", "));
    EXPECT_EQ(nums.join(Char(':')), String("123:456:789"));
    EXPECT_EQ(nums.join(String(" and ")), String("123 and 456 and 789"));

    StringList abc = String("a,,b").split(Char(','));
    ASSERT_EQ(abc.count(), 3);
    EXPECT_EQ(abc[1], String());
    EXPECT_EQ(String("a,").split(Char(',')).count(), 1);
    StringList comma = String(",").split(Char(','));
    ASSERT_EQ(comma.count(), 1);
    EXPECT_TRUE(comma[0].empty());
    EXPECT_EQ(String().split(Char(',')).count(), 0);
}

TEST(String, CamelAndSnakeCase) {
    StringList words = String("hello halvane world").split(Char(' '));
    EXPECT_EQ(words.camelcase(), String("HelloHalvaneWorld"));
    EXPECT_EQ(words.camelcase(lum::LOWER_CAMEL), String("helloHalvaneWorld"));
    EXPECT_EQ(words.snakecase(), String("hello_halvane_world"));
    EXPECT_EQ(words.snakecase(lum::UPPER_SNAKE), String("HELLO_HALVANE_WORLD"));
    EXPECT_EQ(String("mIxEd").capitalize(), String("Mixed"));
}

TEST(String, ListIndexOutOfRangeWarnsAndYieldsEmpty) {
    StringList list{String("a")};
    int before = lum::warning_count();
    testing::internal::CaptureStderr();
    list[5] = String("lost");
    EXPECT_TRUE(list[-1].empty());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lum::warning_count(), before + 2);
    EXPECT_NE(err.find("[lum.runtime.warning StringList::operator[]] out of range (n=5)"), std::string::npos);
    EXPECT_EQ(list.count(), 1);
}

TEST(String, BadViewsBecomeEmpty) {
    String s("hello");
    testing::internal::CaptureStderr();
    StringRef bad(s, -1, 2);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(bad.length(), 0);
    EXPECT_EQ(err, "StringRef out of range (hello, -1, 2)\n");
    EXPECT_EQ(StringRef(s, 5, 2).length(), 0);
    EXPECT_EQ(String(StringRef(s, 3, 99)), String("lo"));
    EXPECT_THROW(s.substr(6, 1), std::out_of_range);
}

TEST(String, AppendingAndConcatenation) {
    String s("a");
    s += Char::Null;
    s += Char('b');
    s += "ç";
    s += String("d");
    EXPECT_EQ(s, String("abçd"));
    EXPECT_EQ(Char('x') + String("y") + Char('z') + "w", String("xyzw"));
    // Short strings stay inside the object; copies are deep.
    String t = s;
    t.At(0) = u'Q';
    EXPECT_EQ(s, String("abçd"));
}

TEST(String, AppendingUtf8DecodesEveryFormAndStopsAtZero) {
    String s("x");
    s.append_utf8(std::string_view("a\xC3\xA9\xE3\x81\x82\xF0\x9F\x98\x80z\0tail", 16));
    EXPECT_EQ(s, String(u"xa\u00E9\u3042\u3013z"));
    String t;
    t.reserve(64);
    t.append_utf8("line1\n");
    t.append_utf8("\xE3\x81"); // cut short: the bits read so far make the unit
    EXPECT_EQ(t, String(u"line1\n\u3040"));
}
