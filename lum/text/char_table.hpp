#pragma once

#include <cstdint>

namespace lum {

// One entry of the CharTable: the classification of one UTF-16 unit.
struct CharInfo {
    uint8_t flags;        // CharTable::LOWER ... CharTable::SEMI_VOICED
    uint8_t extra;        // bit 0: full-width ASCII form
    char base;            // base letter, see Char::base_letter
    const char* translit; // ASCII spelling, or null
};

// The table of all 65536 UTF-16 units, built once before main runs and
// read-only afterwards (safe to read from any thread).
class CharTable {
  public:
    enum : uint8_t {
        LOWER = 0x01,
        SPACE = 0x02,
        UPPER = 0x04,
        VOWEL = 0x08,
        HIRAGANA = 0x10,
        KATAKANA = 0x20,
        VOICED = 0x40,
        SEMI_VOICED = 0x80,
        LETTER = LOWER | UPPER,
    };
    enum : uint8_t { FULLWIDTH_ASCII = 0x01 };

    // The entry of one unit: one indexed load, as trimming and parsing call it per unit.
    static const CharInfo& at(char16_t unit) { return table_[unit]; }

    // Fills out[0] to out[65535]; runs once at start (benchmarks time it on a copy).
    static void build(CharInfo* out);

  private:
    static const CharInfo* entries();

    // Filled by a start-up constructor that runs before every ordinary static
    // initialiser, so no other initialiser sees it empty.
    static CharInfo table_[65536];
};

} // namespace lum
