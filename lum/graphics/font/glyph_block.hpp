#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace lum {

// One page of the system font as 32-bit words: word 0 is the bits per pixel (1 or 2),
// word 1 the glyph count (16, 64, 96 or 256), word 2 the code of the first glyph, and
// the glyph bitmaps follow, 2 words per glyph at 1 bit per pixel and 4 at 2 bits.
// At 1 bit, pixel (x, y) is bit x + 8 (y mod 4) of word y / 4 of its glyph; at 2 bits
// it is the two bits from 2 (x + 8 (y mod 2)) of word y / 2.
class GlyphBlock {
  public:
    // A block with no glyphs.
    GlyphBlock() = default;
    // Takes the words as they stand; a block whose header or length is wrong has no glyphs.
    explicit GlyphBlock(std::vector<uint32_t> words);
    // Packs glyphs given as 64 pixel values each (row by row, values 0..3, masked to the bit depth).
    static GlyphBlock pack(int32_t bits_per_pixel, int32_t first_code,
                           const std::vector<std::array<uint8_t, 64>>& glyphs);

    const uint32_t* words() const { return words_.data(); }
    int32_t word_count() const { return static_cast<int32_t>(words_.size()); }
    // 1 or 2; 0 for a block with no glyphs.
    int32_t bits_per_pixel() const { return valid() ? static_cast<int32_t>(words_[0]) : 0; }
    int32_t glyph_count() const { return valid() ? static_cast<int32_t>(words_[1]) : 0; }
    int32_t first_code() const { return valid() ? static_cast<int32_t>(words_[2]) : 0; }
    // Words per glyph: 2 at 1 bit per pixel, 4 at 2 bits.
    int32_t words_per_glyph() const { return bits_per_pixel() * 2; }

    // Pixel value (0..3) of glyph g at column x, row y; 0 outside the glyph or the block.
    int pixel(int32_t glyph, int x, int y) const;
    // The 64 pixel values of glyph g, row by row; all 0 when g is out of range.
    std::array<uint8_t, 64> glyph_pixels(int32_t glyph) const;
    // True when glyph g has no pixel set (or does not exist).
    bool glyph_empty(int32_t glyph) const;
    // Glyph index that holds code (code minus the first code), or -1 when none does.
    int32_t glyph_of_code(int64_t code) const;

  private:
    bool valid() const { return !words_.empty(); }

    std::vector<uint32_t> words_;
};

// Number of built-in font pages.
inline constexpr int32_t SYSTEM_FONT_PAGES = 60;

// The built-in block of page n (0..59), built from the font's sources on first use;
// null for any other n or for a page whose source is malformed.
const GlyphBlock* builtin_glyph_block(int32_t page);

// Builds all sixty built-in blocks afresh from the font's sources (what the first
// builtin_glyph_block call does once).
std::vector<GlyphBlock> build_builtin_glyph_blocks();

} // namespace lum
