#pragma once

// The system font's glyphs are drawn as text ("#" and "." rows) and turned into
// pixel grids at start-up; the styled pages are derived from a few drawn sets by
// the transforms below, so that every style is applied the same way to every glyph.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lum::font {

// Pixel values of the glyph palette: 0 background, 1 white, 2 black, 3 half-transparent white.
enum Ink : uint8_t { BLANK = 0, WHITE = 1, BLACK = 2, DIM = 3 };

// One 8 x 8 glyph: 64 pixel values 0..3, row by row from the top left.
struct Glyph {
    std::array<uint8_t, 64> px{};

    // Value at (x, y); 0 outside the cell.
    uint8_t at(int x, int y) const { return inside(x, y) ? px[static_cast<size_t>(y * 8 + x)] : 0; }
    // Sets (x, y) to v; ignored outside the cell.
    void set(int x, int y, uint8_t v) {
        if (inside(x, y))
            px[static_cast<size_t>(y * 8 + x)] = v;
    }
    bool empty() const;
    static bool inside(int x, int y) { return x >= 0 && x < 8 && y >= 0 && y < 8; }
    friend bool operator==(const Glyph&, const Glyph&) = default;
};

using GlyphList = std::vector<Glyph>;

// Reads glyph art: bands of 8 rows, each row holding the same number of 8-character
// glyph rows separated by spaces; "." is 0, "#" 1, "x" 2, "+" 3. Lines starting with
// ";" are labels and blank lines separate bands. Returns the glyphs band by band, left
// to right; malformed art gives an empty list.
GlyphList parse_art(std::string_view art);

// Glyph made by a function of (x, y) returning the pixel value.
template <typename F>
Glyph make_glyph(F value_at) {
    Glyph g;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            g.set(x, y, static_cast<uint8_t>(value_at(x, y)));
    return g;
}

// Moves every pixel by (dx, dy); pixels pushed out of the cell are lost.
Glyph shifted(const Glyph& g, int dx, int dy);
// Every non-zero pixel of top over bottom.
Glyph overlay(const Glyph& bottom, const Glyph& top);
// Every non-zero pixel replaced by v.
Glyph recolour(const Glyph& g, uint8_t v);
// Pixels equal to from replaced by to.
Glyph replace(const Glyph& g, uint8_t from, uint8_t to);

// Each stroke widened by one pixel to the right.
Glyph embolden(const Glyph& g);
// Upper rows leaned right and lower rows left by one pixel.
Glyph slant(const Glyph& g);
// Empty pixels touching the glyph (8-neighbourhood) set to v.
Glyph outline(const Glyph& g, uint8_t v);
// Empty pixels touching the glyph along an edge (4-neighbourhood) set to v.
Glyph outline_edges(const Glyph& g, uint8_t v);
// Empty pixels that the glyph moved by (dx, dy) would cover set to v.
Glyph drop_shadow(const Glyph& g, int dx, int dy, uint8_t v);
// The glyph's outline without the glyph: hollow letters.
Glyph hollow(const Glyph& g);
// Pixels inside the rectangle flipped between 0 and 1.
Glyph inverted(const Glyph& g, int x0 = 0, int y0 = 0, int x1 = 7, int y1 = 7);
// Bottom row filled except next to descenders.
Glyph underlined(const Glyph& g);
// Outer corners of long strokes cut off.
Glyph rounded(const Glyph& g);
// Rows from top down to row split (inclusive) given value top, the rest bottom (non-zero pixels only).
Glyph two_tone(const Glyph& g, int split, uint8_t top, uint8_t bottom);
// Mirrored left to right within columns 0..width-1.
Glyph mirrored_x(const Glyph& g, int width = 8);
// Mirrored top to bottom within rows 0..height-1.
Glyph mirrored_y(const Glyph& g, int height = 8);
// Turned a quarter clockwise about the centre of the top left size x size square.
Glyph turned(const Glyph& g, int size = 8);
// Seven rows squeezed into five by dropping rows drop_a and drop_b, placed to end at row last.
Glyph squeezed(const Glyph& g, int drop_a, int drop_b, int last);

// Applies f to every glyph of the list.
template <typename F>
GlyphList map_glyphs(const GlyphList& list, F f) {
    GlyphList out;
    out.reserve(list.size());
    for (const Glyph& g : list)
        out.push_back(f(g));
    return out;
}

} // namespace lum::font
