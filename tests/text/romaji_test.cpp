#include "lum/text/string.hpp"

#include <gtest/gtest.h>

namespace {

using lum::String;

std::string lower(const char* kana) {
    return String(kana).to_romaji_lower().to_utf8();
}
std::string upper(const char* kana) {
    return String(kana).to_romaji_upper().to_utf8();
}

TEST(Romaji, MixedKanaPunctuationAndFullwidthText) {
    EXPECT_EQ(upper("ひらがな、　カタカーナ！？　ァィㇴ。　＄８０"), "HIRAGANA, KATAKAANA!? AINU. $80");
    EXPECT_EQ(lower("ひらがな、　カタカーナ！？　ァィㇴ。　＄８０"), "hiragana, katakaana!? ainu. $80");
}

TEST(Romaji, PlainSyllables) {
    EXPECT_EQ(lower("さくら"), "sakura");
    EXPECT_EQ(lower("しちつふ"), "shichitsufu");
    EXPECT_EQ(lower("じぢづ"), "jididu");
    EXPECT_EQ(lower("ゐゑをん"), "wiwewon");
    EXPECT_EQ(lower("ぱぴぷぺぽ"), "papipupepo");
    EXPECT_EQ(lower("ヴ"), "vu");
    EXPECT_EQ(lower("ヷ"), "ba");
    EXPECT_EQ(lower("ㇰㇱㇲ"), "kushisu");
    // じ is "ji"; with ゃ it keeps its first letter: j + y + a.
    EXPECT_EQ(upper("ニンジャ"), "NINJYA");
}

TEST(Romaji, SmallTsuDoublesTheNextConsonant) {
    EXPECT_EQ(lower("がっこう"), "gakkou");
    EXPECT_EQ(lower("カッパ"), "kappa");
    EXPECT_EQ(lower("マッチ"), "macchi");
    EXPECT_EQ(lower("ちょっと"), "cyotto");
    EXPECT_EQ(lower("ッキャ"), "kkya");
    EXPECT_EQ(upper("キャット"), "KYATTO");
    // Nothing to double: a vowel, a mark, a non-kana or the end of the text.
    EXPECT_EQ(lower("っあ"), "a");
    EXPECT_EQ(lower("あっ"), "a");
    EXPECT_EQ(lower("っー"), "");
    EXPECT_EQ(lower("っA"), "A");
}

TEST(Romaji, LongVowelMarkRepeatsOnlyAVowel) {
    EXPECT_EQ(lower("ラーメン"), "raamen");
    EXPECT_EQ(lower("ティー"), "tii");
    EXPECT_EQ(upper("スーパー"), "SUUPAA");
    EXPECT_EQ(lower("ンー"), "n");
    EXPECT_EQ(lower("ー"), "");
    EXPECT_EQ(lower("！ー"), "!");
}

TEST(Romaji, SmallKanaJoinTheKanaBefore) {
    EXPECT_EQ(lower("きゃ"), "kya");
    EXPECT_EQ(lower("しゃしん"), "syashin");
    EXPECT_EQ(lower("ちょ"), "cyo");
    EXPECT_EQ(lower("りゅう"), "ryuu");
    EXPECT_EQ(lower("ファイル"), "fairu");
    EXPECT_EQ(lower("ティ"), "ti");
    EXPECT_EQ(lower("ヴァイオリン"), "vaiorin");
    // ウ is "u", so its first letter is the vowel itself.
    EXPECT_EQ(lower("ウェ"), "ue");
    // Without a kana before them small kana give their own syllable.
    EXPECT_EQ(lower("ゃ"), "ya");
    EXPECT_EQ(lower("ァ"), "a");
    EXPECT_EQ(lower("Aゅ"), "Ayu");
    EXPECT_EQ(lower("ゎ"), "wa");
}

TEST(Romaji, OtherUnitsAreCopied) {
    EXPECT_EQ(lower("ＡＢＣ１２３"), "ABC123");
    EXPECT_EQ(upper("abcかな"), "abcKANA");
    EXPECT_EQ(lower("漢字かな"), "漢字kana");
    EXPECT_EQ(lower("「ヶ」"), "「ヶ」");
    EXPECT_EQ(lower("ゝ・"), "ゝ・");
    EXPECT_EQ(lower(""), "");
}

} // namespace
