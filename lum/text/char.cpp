#include "lum/text/char.hpp"

#include "lum/text/char_table.hpp"

namespace lum {

namespace {

bool has_flag(char16_t unit, uint8_t flag) {
    return (CharTable::at(unit).flags & flag) != 0;
}

// Full-size hiragana of the small katakana for Ainu, U+31F0 to U+31FF.
constexpr char16_t AINU_HIRAGANA[16] = {u'く', u'し', u'す', u'と', u'ぬ', u'は', u'ひ', u'ふ',
                                        u'へ', u'ほ', u'む', u'ら', u'り', u'る', u'れ', u'ろ'};

// Hiragana for ヷ ヸ ヹ ヺ, which have no hiragana of their own.
constexpr char16_t VA_ROW_HIRAGANA[4] = {u'ば', u'び', u'べ', u'ぼ'};

} // namespace

bool Char::is_lower() const {
    return has_flag(unit_, CharTable::LOWER);
}
bool Char::is_upper() const {
    return has_flag(unit_, CharTable::UPPER);
}
bool Char::is_letter() const {
    return has_flag(unit_, CharTable::LETTER);
}
bool Char::is_space() const {
    return has_flag(unit_, CharTable::SPACE);
}
bool Char::is_vowel() const {
    return has_flag(unit_, CharTable::VOWEL);
}
bool Char::is_hiragana() const {
    return has_flag(unit_, CharTable::HIRAGANA);
}
bool Char::is_katakana() const {
    return has_flag(unit_, CharTable::KATAKANA);
}
bool Char::is_voiced() const {
    return has_flag(unit_, CharTable::VOICED);
}
bool Char::is_semi_voiced() const {
    return has_flag(unit_, CharTable::SEMI_VOICED);
}

bool Char::is_fullwidth_ascii() const {
    return (CharTable::at(unit_).extra & CharTable::FULLWIDTH_ASCII) != 0;
}

char Char::base_letter() const {
    return CharTable::at(unit_).base;
}

const char* Char::transliteration() const {
    return CharTable::at(unit_).translit;
}

Char Char::to_hiragana() const {
    if (unit_ >= 0x30A1 && unit_ <= 0x30F6)
        return Char(static_cast<char16_t>(unit_ - 0x60));
    if (unit_ >= 0x30F7 && unit_ <= 0x30FA)
        return Char(VA_ROW_HIRAGANA[unit_ - 0x30F7]);
    if (unit_ >= 0x31F0 && unit_ <= 0x31FF)
        return Char(AINU_HIRAGANA[unit_ - 0x31F0]);
    return *this;
}

Char Char::to_katakana() const {
    if (unit_ >= 0x3041 && unit_ <= 0x3096)
        return Char(static_cast<char16_t>(unit_ + 0x60));
    return *this;
}

Char Char::to_halfwidth() const {
    if (unit_ >= 0xFF01 && unit_ <= 0xFF5E)
        return Char(static_cast<char16_t>(unit_ - 0xFEE0));
    switch (unit_) {
    case u'\u3000':
        return Char(u' ');
    case u'、':
        return Char(u'\uFF64');
    case u'。':
        return Char(u'\uFF61');
    case u'「':
    case u'『':
        return Char(u'\uFF62');
    case u'」':
    case u'』':
        return Char(u'\uFF63');
    case u'゛':
        return Char(u'\uFF9E');
    case u'゜':
        return Char(u'\uFF9F');
    case u'・':
        return Char(u'\uFF65');
    default:
        return *this;
    }
}

} // namespace lum
