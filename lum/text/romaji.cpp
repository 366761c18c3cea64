#include "lum/text/char.hpp"
#include "lum/text/string.hpp"

#include <string>

namespace lum {

namespace {

constexpr char16_t SYLLABLE_FIRST = u'ぁ';
constexpr char16_t SMALL_TSU = u'っ';
constexpr char16_t LONG_VOWEL = u'ー';

// Latin syllable of each hiragana from ぁ to ゖ; null where there is none.
// っ is handled on its own: it only doubles what follows.
// clang-format off
constexpr const char* SYLLABLES[] = {
    "a",  "a",  "i",   "i",  "u",     "u",   "e",  "e",  "o",  "o",  // ぁ to お
    "ka", "ga", "ki",  "gi", "ku",    "gu",  "ke", "ge", "ko", "go", // か to ご
    "sa", "za", "shi", "ji", "su",    "zu",  "se", "ze", "so", "zo", // さ to ぞ
    "ta", "da", "chi", "di", nullptr, "tsu", "du", "te", "de", "to", "do", // た to ど
    "na", "ni", "nu",  "ne", "no",                                   // な to の
    "ha", "ba", "pa",  "hi", "bi", "pi", "fu", "bu", "pu",           // は to ぷ
    "he", "be", "pe",  "ho", "bo", "po",                             // へ to ぽ
    "ma", "mi", "mu",  "me", "mo",                                   // ま to も
    "ya", "ya", "yu",  "yu", "yo", "yo",                             // ゃ to よ
    "ra", "ri", "ru",  "re", "ro",                                   // ら to ろ
    "wa", "wa", "wi",  "we", "wo", "n", "vu", nullptr, nullptr,      // ゎ to ゖ
};
// clang-format on
static_assert(sizeof(SYLLABLES) / sizeof(SYLLABLES[0]) == u'ゖ' - SYLLABLE_FIRST + 1);

const char* syllable_of(char16_t hiragana) {
    if (hiragana < SYLLABLE_FIRST || hiragana > u'ゖ')
        return nullptr;
    return SYLLABLES[hiragana - SYLLABLE_FIRST];
}

// The vowel a small kana adds to the kana before it, with or without a "y" glide.
struct Glide {
    char y;
    char vowel;
};

Glide glide_of(char16_t hiragana) {
    switch (hiragana) {
    case u'ゃ':
        return {'y', 'a'};
    case u'ゅ':
        return {'y', 'u'};
    case u'ょ':
        return {'y', 'o'};
    case u'ぁ':
        return {0, 'a'};
    case u'ぃ':
        return {0, 'i'};
    case u'ぅ':
        return {0, 'u'};
    case u'ぇ':
        return {0, 'e'};
    case u'ぉ':
        return {0, 'o'};
    default:
        return {0, 0};
    }
}

bool is_vowel_letter(char16_t c) {
    switch (c) {
    case u'a':
    case u'e':
    case u'i':
    case u'o':
    case u'u':
    case u'A':
    case u'E':
    case u'I':
    case u'O':
    case u'U':
        return true;
    default:
        return false;
    }
}

// Punctuation and full-width ASCII; every other unit is kept as it is.
char16_t latin_of_other(char16_t unit) {
    switch (unit) {
    case u'\u3000':
        return u' ';
    case u'、':
        return u',';
    case u'。':
        return u'.';
    default:
        break;
    }
    if (unit >= 0xFF01 && unit <= 0xFF5E)
        return static_cast<char16_t>(unit - 0xFEE0);
    return unit;
}

class RomajiWriter {
  public:
    explicit RomajiWriter(bool upper) : upper_(upper) {}

    void letter(char c) {
        if (upper_ && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        out_ += static_cast<char16_t>(c);
    }

    void letters(const char* text) {
        for (; *text != 0; ++text)
            letter(*text);
    }

    // The long-vowel mark: the last letter again when it is a vowel.
    void lengthen() {
        if (!out_.empty() && is_vowel_letter(out_.back()))
            out_ += out_.back();
    }

    void copy(char16_t unit) { out_ += unit; }

    std::u16string take() { return std::move(out_); }

  private:
    bool upper_;
    std::u16string out_;
};

String to_romaji(const String& text, bool upper) {
    const std::u16string& units = text.units();
    const size_t n = units.size();
    RomajiWriter out(upper);
    bool doubling = false;
    for (size_t i = 0; i < n; ++i) {
        char16_t kana = Char(units[i]).to_hiragana();
        if (kana == SMALL_TSU) {
            doubling = true;
            continue;
        }
        const char* syllable = syllable_of(kana);
        if (syllable == nullptr) {
            doubling = false;
            if (kana == LONG_VOWEL)
                out.lengthen();
            else
                out.copy(latin_of_other(units[i]));
            continue;
        }
        Glide glide = i + 1 < n ? glide_of(Char(units[i + 1]).to_hiragana()) : Glide{0, 0};
        char first = syllable[0];
        if (doubling && !is_vowel_letter(static_cast<char16_t>(first)))
            out.letter(first);
        doubling = false;
        if (glide.vowel == 0) {
            out.letters(syllable);
            continue;
        }
        out.letter(first);
        if (glide.y != 0)
            out.letter(glide.y);
        out.letter(glide.vowel);
        ++i;
    }
    return String(out.take());
}

} // namespace

String String::to_romaji_lower() const {
    return to_romaji(*this, false);
}

String String::to_romaji_upper() const {
    return to_romaji(*this, true);
}

} // namespace lum
