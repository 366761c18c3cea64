#pragma once

#include <cstdint>

namespace lum {

// One byte of a single-byte code page and its UTF-16 unit. Each code page is a
// small subclass that overrides only to_unicode; a reader keeps one converter
// and sets its code for every byte it reads.
class ExtendedAscii {
  public:
    explicit ExtendedAscii(uint8_t code = 0) : code_(code) {}
    virtual ~ExtendedAscii() = default;

    uint8_t code() const { return code_; }
    void set_code(uint8_t code) { code_ = code; }

    // The UTF-16 unit for the held code; U+FFFD where the code page has none.
    virtual char16_t to_unicode() const = 0;

  protected:
    uint8_t code_;
};

// Every byte stands for the unit of the same number.
class AsciiThru : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override { return code_; }
};

// ISO 8859-1 (Latin-1): the first 256 Unicode code points.
class ISO8859_1Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override { return code_; }
};

// ISO 8859-15 (Latin-9): Latin-1 with the euro sign and seven other letters.
class ISO8859_15Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// IBM PC code page 437, with the screen glyphs for the control codes 01 to 1F
// and 7F; the byte 00 gives 0.
class CodePage437Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// IBM PC code page 850 (multilingual Latin-1).
class CodePage850Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// Windows-1252; the five unassigned codes give U+FFFD.
class CodePage1252Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// Mac OS Roman (with the euro sign at DB).
class MacOsRomanChar : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// The MSX character set: card suits and hiragana above 7F, and full-width
// katakana in A1 to DF.
class MsxJapanChar : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// The NEC PC-9800 character set: arrows at 1C to 1F, block and box drawing
// above 7F, and full-width katakana in A1 to DF.
class PC9800Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// JIS X 0201 with its katakana shown full width; 5C and 7E stay the
// backslash and the tilde.
class JisX0201Char : public ExtendedAscii {
  public:
    using ExtendedAscii::ExtendedAscii;
    char16_t to_unicode() const override;
};

// The full-width katakana of the bytes A0 to DF (A0 itself gives U+FFFD),
// shared by the three Japanese sets.
char16_t katakana_block_unit(uint8_t code);

} // namespace lum
