#include "lum/app/process/self_check.hpp"
#include "lum/text/pluralize.hpp"

#include <cstring>

namespace lum {

namespace {

bool spelt(char16_t unit, const char* want) {
    const char* got = Char(unit).transliteration();
    return got != nullptr && std::strcmp(got, want) == 0;
}

} // namespace

SelfCheck unit_test_char() {
    SelfCheck check("UnitTest_Char");

    check.expect(Char('A').is_upper() && !Char('A').is_lower() && Char('z').is_lower(), "ASCII case");
    check.expect(!Char('5').is_letter() && Char('q').is_letter(), "is_letter");
    check.expect(Char(u'é').is_lower() && Char(u'é').is_vowel() && Char(u'é').base_letter() == 'e',
                 "e acute");
    check.expect(Char(u'É').is_upper() && !Char(u'É').is_vowel() && Char(u'É').base_letter() == 'E',
                 "capital E acute");
    check.expect(Char(u'ß').base_letter() == 's', "sharp s base letter");
    check.expect(Char(u'\u3000').is_space() && Char(u'\u2003').is_space() && Char('\t').is_space(), "spaces");
    check.expect(!Char(u'\u00A0').is_space(), "no-break space is not white space");
    check.expect(Char(u'ア').base_letter() == '?', "base letter of kana");
    check.expect(Char(u'あ').is_hiragana() && Char(u'ア').is_katakana() && !Char(u'ア').is_hiragana(),
                 "kana");
    check.expect(Char(u'ヴ').is_voiced() && Char(u'ぱ').is_semi_voiced() && !Char(u'か').is_voiced(),
                 "voicing");
    check.expect(Char(u'！').is_fullwidth_ascii() && !Char('!').is_fullwidth_ascii(), "full-width ASCII");
    check.expect(spelt(u'æ', "ae") && spelt(u'½', "1/2") && spelt(u'Ⅷ', "VIII") && spelt(u'⑴', "(1)"),
                 "transliterations");

    check.expect(Char(u'ㇴ').to_hiragana() == u'ぬ', "small Ainu nu to hiragana");
    check.expect(Char(u'ヴ').to_hiragana() == u'ゔ', "vu to hiragana");
    check.expect(Char(u'あ').to_katakana() == u'ア', "a to katakana");
    check.expect(Char(u'ゔ').to_katakana() == u'ヴ', "vu to katakana");
    check.expect(Char(u'Ｚ').to_halfwidth() == u'Z' && Char(u'。').to_halfwidth() == u'\uFF61',
                 "to_halfwidth");

    const String kana("ひらがな、　カタカーナ！？　ァィㇴ。　＄８０");
    check.expect_text(kana.to_romaji_upper(), String("HIRAGANA, KATAKAANA!? AINU. $80"), "to_romaji_upper");
    check.expect_text(kana.to_romaji_lower(), String("hiragana, katakaana!? ainu. $80"), "to_romaji_lower");
    check.expect_text(String("ちょっと").to_romaji_lower(), String("cyotto"), "youon and small tsu");

    check.expect_text(pluralize("core"), String("cores"), "plural of core");
    check.expect_text(pluralize("church"), String("churches"), "plural of church");
    check.expect_text(pluralize("city"), String("cities"), "plural of city");
    check.expect_text(pluralize("hero"), String("heroes"), "plural of hero");
    check.expect_text(pluralize("leaf"), String("leaves"), "plural of leaf");
    check.expect_text(pluralize("sheep"), String("sheep"), "plural of sheep");
    check.expect_text(pluralize("JOYPAD"), String("JOYPADS"), "plural of JOYPAD");
    check.expect_text(pluralize("AXIS"), String("AXES"), "plural of AXIS");
    return check;
}

} // namespace lum
