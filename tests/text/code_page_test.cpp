#include "lum/text/extended_ascii.hpp"
#include "lum/text/text_encoding.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace lum;

namespace {

using Pairs = std::vector<std::pair<int, char16_t>>;

// Every mismatch between the converter and a published byte-to-code-point list.
template <typename Converter>
std::string mismatches(const Pairs& published) {
    std::string out;
    Converter converter;
    for (auto [byte, unit] : published) {
        converter.set_code(static_cast<uint8_t>(byte));
        char16_t got = converter.to_unicode();
        if (got == unit)
            continue;
        char line[64];
        std::snprintf(line, sizeof line, "%02X gave U+%04X, want U+%04X; ", byte, unsigned(got),
                      unsigned(unit));
        out += line;
    }
    return out;
}

template <typename Converter>
char16_t unit_of(int byte) {
    return Converter(static_cast<uint8_t>(byte)).to_unicode();
}

std::u16string decoded(const std::string& bytes, TextEncoding encoding) {
    String text("stale");
    EXPECT_TRUE(decode_text(text, bytes, encoding));
    return text.units();
}

} // namespace

TEST(CodePage, Cp437MatchesThePublishedTable) {
    Pairs published = {
        {0x80, 0x00C7},
        {0x81, 0x00FC},
        {0x8E, 0x00C4},
        {0x9B, 0x00A2},
        {0x9E, 0x20A7},
        {0x9F, 0x0192},
        {0xA8, 0x00BF},
        {0xA9, 0x2310},
        {0xAE, 0x00AB},
        {0xB0, 0x2591},
        {0xB3, 0x2502},
        {0xB5, 0x2561},
        {0xBF, 0x2510},
        {0xC4, 0x2500},
        {0xC5, 0x253C},
        {0xCD, 0x2550},
        {0xCE, 0x256C},
        {0xD5, 0x2552},
        {0xDB, 0x2588},
        {0xDF, 0x2580},
        {0xE0, 0x03B1},
        {0xE1, 0x00DF},
        {0xE3, 0x03C0},
        {0xE6, 0x00B5},
        {0xEA, 0x03A9},
        {0xEC, 0x221E},
        {0xEF, 0x2229},
        {0xF0, 0x2261},
        {0xF4, 0x2320},
        {0xF8, 0x00B0},
        {0xF9, 0x2219},
        {0xFA, 0x00B7},
        {0xFB, 0x221A},
        {0xFC, 0x207F},
        {0xFD, 0x00B2},
        {0xFE, 0x25A0},
        {0xFF, 0x00A0},
        // The screen glyphs of the control codes, and the house at 7F.
        {0x01, 0x263A},
        {0x02, 0x263B},
        {0x03, 0x2665},
        {0x07, 0x2022},
        {0x0A, 0x25D9},
        {0x0D, 0x266A},
        {0x10, 0x25BA},
        {0x14, 0x00B6},
        {0x15, 0x00A7},
        {0x1A, 0x2192},
        {0x1B, 0x2190},
        {0x1C, 0x221F},
        {0x1F, 0x25BC},
        {0x7F, 0x2302},
        {0x00, 0x0000},
        {0x20, 0x0020},
        {0x41, 0x0041},
        {0x7E, 0x007E},
    };
    EXPECT_EQ(mismatches<CodePage437Char>(published), "");
}

TEST(CodePage, Cp850MatchesThePublishedTable) {
    Pairs published = {
        {0x80, 0x00C7}, {0x9B, 0x00F8}, {0x9C, 0x00A3}, {0x9D, 0x00D8}, {0x9E, 0x00D7}, {0x9F, 0x0192},
        {0xA9, 0x00AE}, {0xB0, 0x2591}, {0xB5, 0x00C1}, {0xB7, 0x00C0}, {0xB8, 0x00A9}, {0xBD, 0x00A2},
        {0xBE, 0x00A5}, {0xC6, 0x00E3}, {0xC7, 0x00C3}, {0xCF, 0x00A4}, {0xD0, 0x00F0}, {0xD1, 0x00D0},
        {0xD5, 0x0131}, {0xD8, 0x00CF}, {0xDD, 0x00A6}, {0xDE, 0x00CC}, {0xE1, 0x00DF}, {0xE7, 0x00FE},
        {0xE8, 0x00DE}, {0xED, 0x00DD}, {0xEE, 0x00AF}, {0xEF, 0x00B4}, {0xF0, 0x00AD}, {0xF2, 0x2017},
        {0xF3, 0x00BE}, {0xF5, 0x00A7}, {0xF7, 0x00B8}, {0xFB, 0x00B9}, {0xFE, 0x25A0}, {0xFF, 0x00A0},
        {0x00, 0x0000}, {0x0A, 0x000A}, {0x7F, 0x007F},
    };
    EXPECT_EQ(mismatches<CodePage850Char>(published), "");
}

TEST(CodePage, Windows1252MatchesThePublishedTable) {
    Pairs published = {
        {0x80, 0x20AC},
        {0x82, 0x201A},
        {0x83, 0x0192},
        {0x84, 0x201E},
        {0x85, 0x2026},
        {0x88, 0x02C6},
        {0x89, 0x2030},
        {0x8A, 0x0160},
        {0x8B, 0x2039},
        {0x8C, 0x0152},
        {0x8E, 0x017D},
        {0x91, 0x2018},
        {0x92, 0x2019},
        {0x93, 0x201C},
        {0x94, 0x201D},
        {0x95, 0x2022},
        {0x96, 0x2013},
        {0x97, 0x2014},
        {0x98, 0x02DC},
        {0x99, 0x2122},
        {0x9A, 0x0161},
        {0x9B, 0x203A},
        {0x9C, 0x0153},
        {0x9E, 0x017E},
        {0x9F, 0x0178},
        {0xA0, 0x00A0},
        {0xA4, 0x00A4},
        {0xE9, 0x00E9},
        {0xFF, 0x00FF},
        {0x7F, 0x007F},
        // The five codes the table leaves unassigned.
        {0x81, 0xFFFD},
        {0x8D, 0xFFFD},
        {0x8F, 0xFFFD},
        {0x90, 0xFFFD},
        {0x9D, 0xFFFD},
    };
    EXPECT_EQ(mismatches<CodePage1252Char>(published), "");
}

TEST(CodePage, MacOsRomanMatchesThePublishedTable) {
    Pairs published = {
        {0x80, 0x00C4}, {0x87, 0x00E1}, {0x8E, 0x00E9}, {0x9F, 0x00FC}, {0xA0, 0x2020}, {0xA5, 0x2022},
        {0xA7, 0x00DF}, {0xAA, 0x2122}, {0xAD, 0x2260}, {0xB0, 0x221E}, {0xB2, 0x2264}, {0xB6, 0x2202},
        {0xB7, 0x2211}, {0xB8, 0x220F}, {0xB9, 0x03C0}, {0xBA, 0x222B}, {0xBD, 0x03A9}, {0xC3, 0x221A},
        {0xC4, 0x0192}, {0xC5, 0x2248}, {0xC6, 0x2206}, {0xC9, 0x2026}, {0xCA, 0x00A0}, {0xCE, 0x0152},
        {0xD0, 0x2013}, {0xD2, 0x201C}, {0xD7, 0x25CA}, {0xD8, 0x00FF}, {0xD9, 0x0178}, {0xDA, 0x2044},
        {0xDB, 0x20AC}, {0xDE, 0xFB01}, {0xDF, 0xFB02}, {0xE0, 0x2021}, {0xE2, 0x201A}, {0xE4, 0x2030},
        {0xF0, 0xF8FF}, {0xF5, 0x0131}, {0xF6, 0x02C6}, {0xF7, 0x02DC}, {0xFA, 0x02D9}, {0xFF, 0x02C7},
        {0x0D, 0x000D}, {0x7F, 0x007F},
    };
    EXPECT_EQ(mismatches<MacOsRomanChar>(published), "");
}

TEST(CodePage, LatinOneAndNineDifferInEightPlaces) {
    Pairs latin9 = {{0xA4, 0x20AC}, {0xA6, 0x0160}, {0xA8, 0x0161}, {0xB4, 0x017D}, {0xB8, 0x017E},
                    {0xBC, 0x0152}, {0xBD, 0x0153}, {0xBE, 0x0178}, {0xA5, 0x00A5}, {0xA7, 0x00A7},
                    {0xBF, 0x00BF}, {0xE9, 0x00E9}, {0x80, 0x0080}};
    EXPECT_EQ(mismatches<ISO8859_15Char>(latin9), "");
    for (int byte = 0; byte < 256; ++byte) {
        ASSERT_EQ(unit_of<ISO8859_1Char>(byte), byte);
        ASSERT_EQ(unit_of<AsciiThru>(byte), byte);
    }
}

TEST(CodePage, JapaneseSetsShareTheFullWidthKatakana) {
    // Half-width katakana of JIS X 0201, given in their full-width forms.
    Pairs katakana = {{0xA1, 0x3002}, {0xA4, 0x3001}, {0xA5, 0x30FB}, {0xA6, 0x30F2}, {0xA7, 0x30A1},
                      {0xAF, 0x30C3}, {0xB0, 0x30FC}, {0xB1, 0x30A2}, {0xB6, 0x30AB}, {0xBB, 0x30B5},
                      {0xC0, 0x30BF}, {0xC2, 0x30C4}, {0xCA, 0x30CF}, {0xCF, 0x30DE}, {0xD4, 0x30E4},
                      {0xDC, 0x30EF}, {0xDD, 0x30F3}, {0xDE, 0x309B}, {0xDF, 0x309C}};
    EXPECT_EQ(mismatches<JisX0201Char>(katakana), "");
    EXPECT_EQ(mismatches<PC9800Char>(katakana), "");
    EXPECT_EQ(mismatches<MsxJapanChar>(katakana), "");

    Pairs jis = {{0x5C, 0x005C}, {0x7E, 0x007E}, {0x80, 0xFFFD}, {0x9F, 0xFFFD},
                 {0xA0, 0xFFFD}, {0xE0, 0xFFFD}, {0xFF, 0xFFFD}, {0x1C, 0x001C}};
    EXPECT_EQ(mismatches<JisX0201Char>(jis), "");
}

TEST(CodePage, PC9800AndMsxRowsOutsideTheKatakana) {
    Pairs pc9800 = {{0x1C, 0x2192}, {0x1D, 0x2190}, {0x1E, 0x2191}, {0x1F, 0x2193}, {0x1B, 0x001B},
                    {0x5C, 0x005C}, {0x80, 0x2581}, {0x87, 0x2588}, {0x88, 0x258F}, {0x8F, 0x253C},
                    {0x95, 0x2500}, {0x9C, 0x256D}, {0x9F, 0x256F}, {0xA0, 0xFFFD}, {0xE0, 0x2550},
                    {0xE4, 0x25E2}, {0xE8, 0x2660}, {0xEF, 0x2572}, {0xF0, 0x2573}, {0xF1, 0x5186},
                    {0xF2, 0x5E74}, {0xF3, 0x6708}, {0xF4, 0x65E5}, {0xF5, 0x6642}, {0xF6, 0x5206},
                    {0xF7, 0x79D2}, {0xF8, 0xFFFD}, {0xFC, 0x005C}, {0xFF, 0xFFFD}};
    EXPECT_EQ(mismatches<PC9800Char>(pc9800), "");

    Pairs msx = {{0x1C, 0x001C}, {0x80, 0x2660}, {0x83, 0x2666}, {0x85, 0x25CF}, {0x86, 0x3092},
                 {0x87, 0x3041}, {0x8F, 0x3063}, {0x90, 0xFFFD}, {0x91, 0x3042}, {0x9F, 0x305D},
                 {0xE0, 0x305F}, {0xE2, 0x3064}, {0xEF, 0x307E}, {0xF0, 0x307F}, {0xFC, 0x308F},
                 {0xFD, 0x3093}, {0xFE, 0xFFFD}, {0xFF, 0xFFFD}};
    EXPECT_EQ(mismatches<MsxJapanChar>(msx), "");
}

TEST(CodePage, OneByteReadsDifferentlyInEachSet) {
    EXPECT_EQ(unit_of<ISO8859_1Char>(0xA4), 0x00A4);
    EXPECT_EQ(unit_of<ISO8859_15Char>(0xA4), 0x20AC);
    EXPECT_EQ(unit_of<JisX0201Char>(0x80), 0xFFFD);
    EXPECT_EQ(unit_of<PC9800Char>(0x80), 0x2581);
    EXPECT_EQ(unit_of<MsxJapanChar>(0x80), 0x2660);
    EXPECT_EQ(unit_of<PC9800Char>(0x1C), 0x2192);
    EXPECT_EQ(unit_of<CodePage437Char>(0x1C), 0x221F);
    EXPECT_EQ(unit_of<CodePage437Char>(0x7F), 0x2302);
    EXPECT_EQ(unit_of<CodePage1252Char>(0x7F), 0x007F);
    EXPECT_EQ(unit_of<CodePage1252Char>(0x81), 0xFFFD);
    EXPECT_EQ(unit_of<CodePage437Char>(0x81), 0x00FC);
}

TEST(TextEncoding, SingleByteReadersDropOnlyWhatMapsToZero) {
    EXPECT_EQ(decoded(std::string("A\0B", 3), ENCODING_ASCII_THRU), u"AB");
    EXPECT_EQ(decoded("a\r\nb", ENCODING_CP1252), u"a\r\nb");
    // Code page 437 shows line ends as their glyphs and drops only NUL.
    EXPECT_EQ(decoded(std::string("\x01\0a\r\n", 5), ENCODING_CP437), u"\u263Aa\u266A\u25D9");
    EXPECT_EQ(decoded("\x80\xA4", ENCODING_ISO8859_15), u"\u0080\u20AC");
    EXPECT_EQ(decoded("\xB1\xDD", ENCODING_JIS_X0201), u"\u30A2\u30F3");
    EXPECT_EQ(decoded("\xB1\xF3", ENCODING_PC9800), u"\u30A2\u6708");
    EXPECT_EQ(decoded("\x91\xB1", ENCODING_MSX_JAPAN), u"\u3042\u30A2");
    EXPECT_EQ(decoded("\xDB", ENCODING_MAC_OS_ROMAN), u"\u20AC");
    EXPECT_EQ(decoded("\x82", ENCODING_CP850), u"\u00E9");
    EXPECT_EQ(decoded("\xE9", ENCODING_ISO8859_1), u"\u00E9");
}

TEST(TextEncoding, Utf8DropsTheByteOrderMarkOfTheFirstLineOnly) {
    for (TextEncoding code = 0; code <= 5; ++code)
        EXPECT_EQ(decoded("\xEF\xBB\xBF"
                          "a\nb",
                          code),
                  u"a\nb")
            << code;
    EXPECT_EQ(decoded("a\n\xEF\xBB\xBF"
                      "b",
                      ENCODING_UTF8),
              u"a\n\uFEFFb");
    // Once the first line has other bytes, a mark is ordinary text.
    EXPECT_EQ(decoded("x\xEF\xBB\xBF", ENCODING_UTF8), u"x\uFEFF");
    EXPECT_EQ(decoded("\xE6\xBC\xA2\xE5\xAD\x97\r\n\xC3\xA9", ENCODING_UTF8), u"\u6F22\u5B57\r\n\u00E9");
    EXPECT_EQ(decoded("", ENCODING_UTF8), u"");
    EXPECT_EQ(decoded("no line end", ENCODING_UTF8), u"no line end");
}

TEST(TextEncoding, BadBytesSpoilOnlyTheirOwnLine) {
    // A NUL cuts off the rest of its line, line feed included.
    EXPECT_EQ(decoded(std::string("ab\0cd\nef", 8), ENCODING_UTF8), u"abef");
    // An illegal lead byte ends its line with one unit 0.
    testing::internal::CaptureStdout();
    std::u16string text = decoded("a\x82"
                                  "b\nc",
                                  ENCODING_UTF8);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(text, std::u16string(u"a\0c", 3));
    EXPECT_NE(printed.find("[warning][utf8_fetch] Illegal utf-8 1st byte [0x82](Shift_JIS?)"),
              std::string::npos);
}

TEST(TextEncoding, UnknownCodesReadNothing) {
    for (TextEncoding code : {-1, 16, 1000}) {
        String text("stale");
        EXPECT_FALSE(decode_text(text, "abc", code)) << code;
        EXPECT_TRUE(text.empty()) << code;
        EXPECT_FALSE(is_known_encoding(code));
    }
    for (TextEncoding code = 0; code <= 15; ++code)
        EXPECT_TRUE(is_known_encoding(code));
}
