#include "lum/text/char.hpp"
#include "lum/text/char_table.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using lum::Char;
using lum::CharTable;

std::string spelling(char16_t unit) {
    const char* text = Char(unit).transliteration();
    return text == nullptr ? std::string("(null)") : std::string(text);
}

int count_flag(uint8_t flag) {
    int n = 0;
    for (unsigned u = 0; u < 0x10000; ++u)
        n += (CharTable::at(static_cast<char16_t>(u)).flags & flag) != 0;
    return n;
}

// Read during this file's static initialisation, which may run before that of
// the library: the table must be complete already.
const bool early_space = Char(u'\u3000').is_space();
const char early_base = Char(u'ñ').base_letter();

TEST(CharTable, IsCompleteBeforeOtherStaticInitialisers) {
    EXPECT_TRUE(early_space);
    EXPECT_EQ(early_base, 'n');
}

TEST(CharTable, RangesHoldExactlyTheirUnits) {
    // Sizes of the ranges listed beside each flag: U+3041-3096 and U+309D-309F;
    // U+30A1-30FA, U+30FC-30FF and U+31F0-31FF; tab, LF, CR, space, U+2000-200D, U+3000.
    EXPECT_EQ(count_flag(CharTable::HIRAGANA), 86 + 3);
    EXPECT_EQ(count_flag(CharTable::KATAKANA), 90 + 4 + 16);
    EXPECT_EQ(count_flag(CharTable::SPACE), 4 + 14 + 1);
    EXPECT_EQ(count_flag(CharTable::VOICED), 46);
    EXPECT_EQ(count_flag(CharTable::SEMI_VOICED), 10);
    int fullwidth = 0;
    for (unsigned u = 0; u < 0x10000; ++u)
        fullwidth += Char(static_cast<char16_t>(u)).is_fullwidth_ascii();
    EXPECT_EQ(fullwidth, 94);
}

TEST(Char, AsciiClasses) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        EXPECT_TRUE(Char(c).is_upper()) << c;
        EXPECT_FALSE(Char(c).is_lower()) << c;
        EXPECT_TRUE(Char(static_cast<char>(c + 32)).is_lower()) << c;
        EXPECT_TRUE(Char(c).is_letter()) << c;
    }
    for (char c : {'0', '9', '@', '[', '`', '{', '_', ' '})
        EXPECT_FALSE(Char(c).is_letter()) << c;
    for (char c : {'A', 'E', 'I', 'O', 'U', 'a', 'e', 'i', 'o', 'u'})
        EXPECT_TRUE(Char(c).is_vowel()) << c;
    for (char c : {'y', 'Y', 'b', 'Z', '1'})
        EXPECT_FALSE(Char(c).is_vowel()) << c;
    EXPECT_FALSE(Char(u'\u007F').is_letter());
    EXPECT_FALSE(Char::Null.is_space());
}

TEST(Char, WhiteSpaceIsTheListedUnitsOnly) {
    for (char16_t u : {u'\t', u'\n', u'\r', u' ', u'\u2000', u'\u2003', u'\u200B', u'\u200D', u'\u3000'})
        EXPECT_TRUE(Char(u).is_space()) << std::hex << int(u);
    // No-break space, vertical tab, form feed, and the neighbours of the ranges.
    for (char16_t u :
         {u'\u00A0', u'\u000B', u'\u000C', u'\u1FFF', u'\u200E', u'\u2028', u'\u3001', u'\uFEFF'})
        EXPECT_FALSE(Char(u).is_space()) << std::hex << int(u);
}

TEST(Char, LatinLettersFollowTheirBaseLetter) {
    EXPECT_TRUE(Char(u'é').is_lower());
    EXPECT_TRUE(Char(u'é').is_vowel());
    EXPECT_EQ(Char(u'é').base_letter(), 'e');
    EXPECT_TRUE(Char(u'É').is_upper());
    EXPECT_FALSE(Char(u'É').is_vowel());
    EXPECT_EQ(Char(u'É').base_letter(), 'E');
    EXPECT_EQ(Char(u'ß').base_letter(), 's');
    EXPECT_TRUE(Char(u'ß').is_lower());
    // Signs inside the block are not letters: × and ÷ have base letters * and /,
    // the click letters | and !.
    EXPECT_EQ(Char(u'×').base_letter(), '*');
    EXPECT_FALSE(Char(u'×').is_letter());
    EXPECT_EQ(Char(u'÷').base_letter(), '/');
    EXPECT_FALSE(Char(u'÷').is_letter());
    EXPECT_EQ(Char(u'ǀ').base_letter(), '|');
    EXPECT_EQ(Char(u'ǃ').base_letter(), '!');
    EXPECT_FALSE(Char(u'ǃ').is_letter());
    // Samples across the block, from the Unicode character names.
    EXPECT_EQ(Char(u'À').base_letter(), 'A');
    EXPECT_EQ(Char(u'ÿ').base_letter(), 'y');
    EXPECT_EQ(Char(u'Ł').base_letter(), 'L');
    EXPECT_EQ(Char(u'ő').base_letter(), 'o');
    EXPECT_EQ(Char(u'ĸ').base_letter(), 'k');
    EXPECT_EQ(Char(u'ǅ').base_letter(), 'D');
    EXPECT_TRUE(Char(u'ǅ').is_upper());
    EXPECT_EQ(Char(u'ǰ').base_letter(), 'j');
    EXPECT_EQ(Char(u'ș').base_letter(), 's');
    EXPECT_EQ(Char(u'ȳ').base_letter(), 'y');
    EXPECT_EQ(Char(u'\u024F').base_letter(), 'y');
    EXPECT_TRUE(Char(u'\u024F').is_lower());
    EXPECT_TRUE(Char(u'ā').is_vowel());
    EXPECT_FALSE(Char(u'Ā').is_vowel());
    EXPECT_TRUE(Char(u'ı').is_vowel());
    EXPECT_TRUE(Char(u'ǝ').is_vowel());
    EXPECT_FALSE(Char(u'ñ').is_vowel());
}

TEST(Char, BaseLetterOutsideTheLatinBlockIsTheUnitOrQuestionMark) {
    EXPECT_EQ(Char('a').base_letter(), 'a');
    EXPECT_EQ(Char('~').base_letter(), '~');
    EXPECT_EQ(Char(u'\t').base_letter(), '\t');
    EXPECT_EQ(Char(u'\u007F').base_letter(), '?');
    EXPECT_EQ(Char(u'\u00BF').base_letter(), '?');
    EXPECT_EQ(Char(u'\u0250').base_letter(), '?');
    EXPECT_EQ(Char(u'Ω').base_letter(), '?');
    EXPECT_EQ(Char(u'あ').base_letter(), '?');
    EXPECT_EQ(Char(u'一').base_letter(), '?');
    EXPECT_EQ(Char(u'\uFFFF').base_letter(), '?');
    EXPECT_FALSE(Char(u'\uFFFF').is_letter());
    EXPECT_EQ(Char(u'\uFFFF').transliteration(), nullptr);
    EXPECT_FALSE(Char(u'ª').is_letter());
    EXPECT_FALSE(Char(u'\u0250').is_letter());
}

TEST(Char, GreekAndCyrillicVowelsAreVowelsButNotLetters) {
    for (char16_t u : {u'Α', u'υ', u'А', u'Ё', u'ѐ', u'ї', u'ю', u'Э'})
        EXPECT_TRUE(Char(u).is_vowel()) << std::hex << int(u);
    for (char16_t u : {u'Ω', u'η', u'Я', u'я', u'Ы', u'б'})
        EXPECT_FALSE(Char(u).is_vowel()) << std::hex << int(u);
    EXPECT_FALSE(Char(u'α').is_letter());
}

TEST(Char, KanaClasses) {
    EXPECT_TRUE(Char(u'ぁ').is_hiragana());
    EXPECT_TRUE(Char(u'ゖ').is_hiragana());
    EXPECT_TRUE(Char(u'ゟ').is_hiragana());
    EXPECT_FALSE(Char(u'\u3097').is_hiragana());
    EXPECT_FALSE(Char(u'\u3099').is_hiragana());
    EXPECT_FALSE(Char(u'ア').is_hiragana());
    EXPECT_TRUE(Char(u'ァ').is_katakana());
    EXPECT_TRUE(Char(u'ヺ').is_katakana());
    EXPECT_TRUE(Char(u'ー').is_katakana());
    EXPECT_FALSE(Char(u'・').is_katakana());
    EXPECT_TRUE(Char(u'ㇰ').is_katakana());
    EXPECT_TRUE(Char(u'ㇿ').is_katakana());
    EXPECT_FALSE(Char(u'あ').is_katakana());
    for (char16_t u : {u'が', u'ぼ', u'ゔ', u'ガ', u'ヴ', u'ヷ', u'ヺ'}) {
        EXPECT_TRUE(Char(u).is_voiced()) << std::hex << int(u);
        EXPECT_FALSE(Char(u).is_semi_voiced()) << std::hex << int(u);
    }
    for (char16_t u : {u'ぱ', u'ぽ', u'パ', u'ポ'}) {
        EXPECT_TRUE(Char(u).is_semi_voiced()) << std::hex << int(u);
        EXPECT_FALSE(Char(u).is_voiced()) << std::hex << int(u);
    }
    EXPECT_FALSE(Char(u'か').is_voiced());
    EXPECT_FALSE(Char(u'は').is_semi_voiced());
    EXPECT_FALSE(Char(u'あ').is_letter());
}

TEST(Char, KanaConversions) {
    EXPECT_EQ(Char(L'ㇴ').to_hiragana(), u'ぬ');
    EXPECT_EQ(Char(L'ぬ').to_hiragana(), u'ぬ');
    EXPECT_EQ(Char(L'ヴ').to_hiragana(), u'ゔ');
    EXPECT_EQ(Char(L'あ').to_katakana(), u'ア');
    EXPECT_EQ(Char(L'ゔ').to_katakana(), u'ヴ');
    EXPECT_EQ(Char(L'ヴ').to_katakana(), u'ヴ');
    EXPECT_EQ(Char(u'ァ').to_hiragana(), u'ぁ');
    EXPECT_EQ(Char(u'ヶ').to_hiragana(), u'ゖ');
    EXPECT_EQ(Char(u'ゖ').to_katakana(), u'ヶ');
    EXPECT_EQ(Char(u'ぁ').to_katakana(), u'ァ');
    EXPECT_EQ(Char(u'ヷ').to_hiragana(), u'ば');
    EXPECT_EQ(Char(u'ヸ').to_hiragana(), u'び');
    EXPECT_EQ(Char(u'ヹ').to_hiragana(), u'べ');
    EXPECT_EQ(Char(u'ヺ').to_hiragana(), u'ぼ');
    EXPECT_EQ(Char(u'ㇰ').to_hiragana(), u'く');
    EXPECT_EQ(Char(u'ㇷ').to_hiragana(), u'ふ');
    EXPECT_EQ(Char(u'ㇿ').to_hiragana(), u'ろ');
    // Marks and iteration marks have no counterpart and stay.
    EXPECT_EQ(Char(u'ー').to_hiragana(), u'ー');
    EXPECT_EQ(Char(u'ヽ').to_hiragana(), u'ヽ');
    EXPECT_EQ(Char(u'ゝ').to_katakana(), u'ゝ');
    EXPECT_EQ(Char(u'A').to_katakana(), u'A');
}

TEST(Char, HalfwidthForms) {
    EXPECT_EQ(Char(u'！').to_halfwidth(), u'!');
    EXPECT_EQ(Char(u'Ａ').to_halfwidth(), u'A');
    EXPECT_EQ(Char(u'ｚ').to_halfwidth(), u'z');
    EXPECT_EQ(Char(u'～').to_halfwidth(), u'~');
    EXPECT_EQ(Char(u'\uFF5F').to_halfwidth(), u'\uFF5F');
    EXPECT_EQ(Char(u'\u3000').to_halfwidth(), u' ');
    EXPECT_EQ(Char(u'、').to_halfwidth(), u'\uFF64');
    EXPECT_EQ(Char(u'。').to_halfwidth(), u'\uFF61');
    EXPECT_EQ(Char(u'「').to_halfwidth(), u'\uFF62');
    EXPECT_EQ(Char(u'『').to_halfwidth(), u'\uFF62');
    EXPECT_EQ(Char(u'」').to_halfwidth(), u'\uFF63');
    EXPECT_EQ(Char(u'』').to_halfwidth(), u'\uFF63');
    EXPECT_EQ(Char(u'゛').to_halfwidth(), u'\uFF9E');
    EXPECT_EQ(Char(u'゜').to_halfwidth(), u'\uFF9F');
    EXPECT_EQ(Char(u'・').to_halfwidth(), u'\uFF65');
    EXPECT_EQ(Char(u'ア').to_halfwidth(), u'ア');
    EXPECT_TRUE(Char(u'！').is_fullwidth_ascii());
    EXPECT_TRUE(Char(u'～').is_fullwidth_ascii());
    EXPECT_FALSE(Char(u'\uFF00').is_fullwidth_ascii());
    EXPECT_FALSE(Char(u'!').is_fullwidth_ascii());
}

TEST(Char, Transliterations) {
    EXPECT_EQ(spelling(u'æ'), "ae");
    EXPECT_EQ(spelling(u'ǣ'), "ae");
    EXPECT_EQ(spelling(u'ǽ'), "ae");
    EXPECT_EQ(spelling(u'Æ'), "AE");
    EXPECT_EQ(spelling(u'Ǽ'), "AE");
    EXPECT_EQ(spelling(u'ĳ'), "ij");
    EXPECT_EQ(spelling(u'Ĳ'), "IJ");
    EXPECT_EQ(spelling(u'ǆ'), "dz");
    EXPECT_EQ(spelling(u'ǅ'), "Dz");
    EXPECT_EQ(spelling(u'Ǳ'), "DZ");
    EXPECT_EQ(spelling(u'ﬃ'), "ffi");
    EXPECT_EQ(spelling(u'¼'), "1/4");
    EXPECT_EQ(spelling(u'½'), "1/2");
    EXPECT_EQ(spelling(u'¾'), "3/4");
    EXPECT_EQ(spelling(u'⅐'), "1/7");
    EXPECT_EQ(spelling(u'⅒'), "1/10");
    EXPECT_EQ(spelling(u'⅔'), "2/3");
    EXPECT_EQ(spelling(u'⅞'), "7/8");
    EXPECT_EQ(spelling(u'⁉'), "!?");
    EXPECT_EQ(spelling(u'‽'), "!?");
    EXPECT_EQ(spelling(u'‼'), "!!");
    EXPECT_EQ(spelling(u'¹'), "1");
    EXPECT_EQ(spelling(u'²'), "2");
    EXPECT_EQ(spelling(u'³'), "3");
    EXPECT_EQ(spelling(u'⁰'), "0");
    EXPECT_EQ(spelling(u'⁴'), "4");
    EXPECT_EQ(spelling(u'⁹'), "9");
    EXPECT_EQ(spelling(u'₀'), "0");
    EXPECT_EQ(spelling(u'₉'), "9");
    EXPECT_EQ(spelling(u'Ⅰ'), "I");
    EXPECT_EQ(spelling(u'Ⅳ'), "IV");
    EXPECT_EQ(spelling(u'Ⅷ'), "VIII");
    EXPECT_EQ(spelling(u'Ⅻ'), "XII");
    EXPECT_EQ(spelling(u'Ⅼ'), "L");
    EXPECT_EQ(spelling(u'Ⅿ'), "M");
    EXPECT_EQ(spelling(u'ⅷ'), "viii");
    EXPECT_EQ(spelling(u'ⅿ'), "m");
    EXPECT_EQ(spelling(u'①'), "1");
    EXPECT_EQ(spelling(u'⑳'), "20");
    EXPECT_EQ(spelling(u'⑴'), "(1)");
    EXPECT_EQ(spelling(u'⒇'), "(20)");
    EXPECT_EQ(spelling(u'⒈'), "1.");
    EXPECT_EQ(spelling(u'⒛'), "20.");
    EXPECT_EQ(spelling(u'⒜'), "(a)");
    EXPECT_EQ(spelling(u'⒵'), "(z)");
    EXPECT_EQ(spelling(u'Ⓐ'), "A");
    EXPECT_EQ(spelling(u'ⓩ'), "z");
    EXPECT_EQ(spelling(u'⓪'), "0");
    EXPECT_EQ(spelling(u'⓫'), "11");
    EXPECT_EQ(spelling(u'⓴'), "20");
    EXPECT_EQ(spelling(u'⓾'), "10");
    EXPECT_EQ(spelling(u'❿'), "10");
    EXPECT_EQ(spelling(u'㉑'), "21");
    EXPECT_EQ(spelling(u'㉟'), "35");
    EXPECT_EQ(spelling(u'㊱'), "36");
    EXPECT_EQ(spelling(u'㊿'), "50");
    EXPECT_EQ(spelling(u'Ａ'), "A");
    EXPECT_EQ(spelling(u'～'), "~");
    EXPECT_EQ(spelling(u'…'), "...");
    // Units whose spelling is themselves or their base letter have none.
    EXPECT_EQ(spelling(u'a'), "(null)");
    EXPECT_EQ(spelling(u'é'), "(null)");
    EXPECT_EQ(spelling(u'あ'), "(null)");
    EXPECT_EQ(spelling(u'\u2180'), "(null)");
}

} // namespace
