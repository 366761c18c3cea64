#pragma once

#include <cstdint>

namespace lum {

// One UTF-16 code unit with the character-class queries of the CharTable.
class Char {
  public:
    constexpr Char() = default;
    constexpr Char(char16_t unit) : unit_(unit) {}
    constexpr Char(char c) : unit_(static_cast<unsigned char>(c)) {}
    // Units above U+FFFF have no single unit; they become U+3013 (GETA MARK).
    constexpr Char(wchar_t c)
        : unit_(static_cast<uint32_t>(c) > 0xFFFF ? u'\u3013' : static_cast<char16_t>(c)) {}
    constexpr explicit Char(int code) : unit_(static_cast<char16_t>(code)) {}

    static const Char Null;

    constexpr char16_t unit() const { return unit_; }
    constexpr operator char16_t() const { return unit_; }

    bool is_lower() const;
    bool is_upper() const;
    // Lower or upper case.
    bool is_letter() const;
    bool is_space() const;
    bool is_vowel() const;
    bool is_hiragana() const;
    bool is_katakana() const;
    // Kana with a dakuten (voiced mark).
    bool is_voiced() const;
    // Kana with a handakuten (semi-voiced mark).
    bool is_semi_voiced() const;
    // U+FF01 to U+FF5E.
    bool is_fullwidth_ascii() const;
    // The plain ASCII letter behind an accented Latin letter, the unit itself below
    // 0x7F, "?" for everything else.
    char base_letter() const;
    // A short ASCII spelling (ligatures, fractions, Roman numerals, ...), or null.
    const char* transliteration() const;

    Char to_hiragana() const;
    Char to_katakana() const;
    Char to_halfwidth() const;

  private:
    char16_t unit_ = 0;
};

inline constexpr Char Char::Null{};

} // namespace lum
