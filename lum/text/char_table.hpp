#pragma once

#include <array>
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

    // One block of entries per high byte of a unit.
    using Block = std::array<CharInfo, 256>;
    using Blocks = std::array<const CharInfo*, 256>;

    // The entry of one unit: two indexed loads, cheap enough to call per unit.
    static const CharInfo& at(char16_t unit) { return blocks_[unit >> 8][unit & 0xFF]; }

    // Points every high byte at its entries: a block holding a classified unit is
    // filled in pool[high byte], the others share one constant block of defaults.
    // Runs once before main; benchmarks time it on storage of their own.
    static void build(Blocks& blocks, Block* pool);

  private:
    // Points at the constant defaults until the build, which runs before every
    // ordinary static initialiser; only the blocks in use are ever written, so
    // the start-up touches a few pages instead of a megabyte.
    static Blocks blocks_;

    // Its one object builds blocks_ before every ordinary static initialiser.
    struct StartUp {
        StartUp();
    };
    static const StartUp start_up_;
};

} // namespace lum
