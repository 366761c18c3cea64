#pragma once

// The drawn sources of the system font and the builders that turn them into pages.

#include "lum/graphics/font/glyph_art.hpp"

#include <string_view>

namespace lum::font {

// Codes 32 to 127 with two-pixel stems (latin_art.cpp).
extern const std::string_view bold_latin_art;
// Codes 32 to 127 with one-pixel strokes (latin_art.cpp).
extern const std::string_view thin_latin_art;
// The unvoiced katakana forms and the Japanese marks (katakana_art.cpp).
extern const std::string_view katakana_art;
// Codes 0 to 31 of the Japanese pages: CJK punctuation where U+3000..U+301F would
// land, card suits, arrows and marks elsewhere (japanese_page.cpp).
extern const std::string_view japanese_symbol_art;

// One page as the font builder makes it.
struct PageGlyphs {
    int bits = 1;
    int first = 0;
    GlyphList glyphs;
};

// Codes 0xA0 to 0xFF of a Japanese page: U+30A0..U+30FF by their low byte.
GlyphList katakana_glyphs(bool bold);
// The 256 glyphs of page 23 (thin) or 24 (bold).
GlyphList japanese_page(bool bold);
// Lines through the cell centre for the arms set in bits 1 up, 2 right, 4 down, 8 left.
Glyph line_arms(int arms, bool double_line);

// A drawn symbol page: its bit depth, whether its icons get a black edge, and the art.
struct IconSet {
    int bits;
    bool edge;
    std::string_view art;
};

// The drawn set of a symbol page, or null when the page is computed (symbol_art.cpp).
const IconSet* icon_set(int page);

// The sixteen glyphs of a symbol page (4 and 26 to 59).
PageGlyphs symbol_page(int page);

// All sixty pages in page order; a page whose art is malformed has no glyphs.
std::vector<PageGlyphs> build_font_pages();

} // namespace lum::font
