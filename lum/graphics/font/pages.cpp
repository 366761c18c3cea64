// The sixty pages of the system font. Pages with 96 glyphs hold codes 32 to 127, each
// in its own style derived from the two drawn Latin sets; pages 23 and 24 are the
// Japanese pages, 25 a capitals-and-digits set, and the 16-glyph pages symbol sets.

#include "lum/graphics/font/font_art.hpp"

#include <cstddef>

namespace lum::font {

namespace {

constexpr size_t LATIN = 96;

bool is_lower(size_t i) {
    return i >= 'a' - 32 && i <= 'z' - 32;
}

// Small capitals: the capitals squeezed to the height of the small letters.
GlyphList small_caps(const GlyphList& latin) {
    GlyphList out = latin;
    for (size_t i = 0; i < out.size(); ++i) {
        if (!is_lower(i))
            continue;
        const Glyph& capital = latin[i - 32];
        // Letters whose middle bar sits low keep it by dropping other rows.
        char c = static_cast<char>('A' + (i - ('a' - 32)));
        bool low_bar = c == 'A' || c == 'M' || c == 'N' || c == 'W' || c == 'Q';
        out[i] = low_bar ? squeezed(capital, 2, 4, 6) : squeezed(capital, 1, 5, 6);
    }
    return out;
}

// A solid block with rounded corners and the glyph cut out of it.
Glyph keycap(const Glyph& g) {
    Glyph out = inverted(g, 0, 0, 6, 7);
    out.set(0, 0, 0);
    out.set(6, 0, 0);
    out.set(0, 7, 0);
    out.set(6, 7, 0);
    return out;
}

// Each capital and digit made heavier: horizontal strokes two pixels high as well.
Glyph chunky(const Glyph& g) {
    return overlay(shifted(g, 0, 1), g);
}

// Space stays blank in every style, reversed ones included, so that text can be blanked.
PageGlyphs latin_page(int bits, GlyphList glyphs) {
    if (glyphs.size() != LATIN)
        glyphs.clear();
    else
        glyphs[0] = Glyph{};
    return PageGlyphs{bits, 32, std::move(glyphs)};
}

// Page 25 holds a glyph at (code AND 63): @ A..Z [ \ ] ^ _ at 0..31, space to ? at 32..63.
PageGlyphs capitals_page(const GlyphList& bold) {
    if (bold.size() != LATIN)
        return PageGlyphs{1, 0, {}};
    GlyphList glyphs(64);
    for (int code = 32; code < 96; ++code)
        glyphs[static_cast<size_t>(code & 63)] = chunky(bold[static_cast<size_t>(code - 32)]);
    return PageGlyphs{1, 0, glyphs};
}

} // namespace

std::vector<PageGlyphs> build_font_pages() {
    GlyphList bold = parse_art(bold_latin_art);
    GlyphList thin = parse_art(thin_latin_art);
    if (bold.size() != LATIN || thin.size() != LATIN) {
        bold.clear();
        thin.clear();
    }
    auto shadowed = [](const Glyph& g) { return drop_shadow(g, 1, 1, BLACK); };
    auto title = [](const Glyph& g) {
        return drop_shadow(drop_shadow(drop_shadow(g, 1, 1, BLACK), 1, 0, BLACK), 0, 1, BLACK);
    };
    auto outlined = [](const Glyph& g) { return outline(g, BLACK); };
    auto gradient = [](const Glyph& g) { return drop_shadow(two_tone(g, 3, WHITE, DIM), 1, 1, BLACK); };
    auto glow = [](const Glyph& g) { return outline(g, DIM); };
    auto italic_bold = [](const Glyph& g) { return embolden(slant(g)); };
    auto extruded = [](const Glyph& g) { return overlay(shifted(g, 1, 1), g); };
    auto backslant = [](const Glyph& g) { return mirrored_x(slant(mirrored_x(g, 7)), 7); };
    auto inverse = [](const Glyph& g) { return inverted(g); };

    std::vector<PageGlyphs> pages(60);
    pages[0] = latin_page(2, map_glyphs(bold, title));
    pages[1] = latin_page(1, bold);
    pages[2] = latin_page(2, map_glyphs(thin, outlined));
    pages[3] = latin_page(2, map_glyphs(bold, shadowed));
    pages[5] = latin_page(1, thin);
    pages[6] = latin_page(1, map_glyphs(thin, italic_bold));
    pages[7] = latin_page(1, map_glyphs(thin, slant));
    pages[8] = latin_page(1, map_glyphs(bold, rounded));
    pages[9] = latin_page(1, map_glyphs(thin, hollow));
    pages[10] = latin_page(2, map_glyphs(bold, gradient));
    pages[11] = latin_page(1, map_glyphs(bold, inverse));
    pages[12] = latin_page(1, map_glyphs(thin, underlined));
    pages[13] = latin_page(1, small_caps(thin));
    pages[14] = latin_page(1, map_glyphs(thin, embolden));
    pages[15] = latin_page(1, small_caps(bold));
    pages[16] = latin_page(1, map_glyphs(thin, inverse));
    pages[17] = latin_page(1, map_glyphs(thin, extruded));
    pages[18] = latin_page(1, map_glyphs(thin, backslant));
    pages[19] = latin_page(2, map_glyphs(thin, glow));
    pages[20] = latin_page(1, map_glyphs(map_glyphs(thin, italic_bold), inverse));
    pages[21] = latin_page(1, map_glyphs(bold, underlined));
    pages[22] = latin_page(1, map_glyphs(thin, keycap));
    pages[23] = PageGlyphs{1, 0, japanese_page(false)};
    pages[24] = PageGlyphs{1, 0, japanese_page(true)};
    pages[25] = capitals_page(bold);
    pages[4] = symbol_page(4);
    for (int p = 26; p < 60; ++p)
        pages[static_cast<size_t>(p)] = symbol_page(p);
    return pages;
}

} // namespace lum::font
