// Pages 23 and 24: ASCII, CJK punctuation and symbols, line drawing, blocks and the
// full-width katakana at the low byte of their code, so that Japanese text shows.

#include "lum/graphics/font/font_art.hpp"

#include <cstdint>

namespace lum::font {

const std::string_view japanese_symbol_art = R"(
; blank comma stop heart diamond club spade bullet
........ ........ ........ ........ ...#.... ..###... ...#.... ........
........ ........ ........ .##.##.. ..###... ..###... ..###... ........
........ ........ ........ #######. .#####.. #######. .#####.. ..###...
........ ........ ........ #######. #######. #######. #######. ..###...
........ ........ ........ .#####.. .#####.. ##.#.##. #######. ..###...
........ .#...... .#...... ..###... ..###... ...#.... .#.#.#.. ........
........ ..#..... #.#..... ...#.... ...#.... ..###... ...#.... ........
........ ...#.... .#...... ........ ........ ........ ..###... ........
; angle-open angle-close double-angle-open double-angle-close corner-open corner-close white-corner-open white-corner-close
....#... ..#..... ...#.#.. .#.#.... ..####.. ........ .######. ........
...#.... ...#.... ..#.#... ..#.#... ..#..... ........ .#....#. ....###.
...#.... ...#.... ..#.#... ..#.#... ..#..... .....#.. .#.####. ....#.#.
..#..... ....#... .#.#.... ...#.#.. ..#..... .....#.. .#.#.... ....#.#.
...#.... ...#.... ..#.#... ..#.#... ..#..... .....#.. .#.#.... ....#.#.
...#.... ...#.... ..#.#... ..#.#... ..#..... .....#.. .#.#.... ####.#..
....#... ..#..... ...#.#.. .#.#.... ........ .....#.. .###.... #....#..
........ ........ ........ ........ ........ ..####.. ........ ######..
; lens-open lens-close up-triangle down-triangle shell-open shell-close left-triangle right-triangle
.####... ..####.. ........ ........ ...##... ..##.... ....#... ..#.....
.###.... ...###.. ...#.... ........ ..#..... ....#... ...##... ..##....
.##..... ....##.. ..###... #######. ..#..... ....#... ..###... ..###...
.##..... ....##.. .#####.. .#####.. ..#..... ....#... .####... ..####..
.##..... ....##.. #######. ..###... ..#..... ....#... ..###... ..###...
.###.... ...###.. ........ ...#.... ..#..... ....#... ...##... ..##....
.####... ..####.. ........ ........ ...##... ..##.... ....#... ..#.....
........ ........ ........ ........ ........ ........ ........ ........
; up-arrow down-arrow right-arrow left-arrow wave-dash star note ring
...#.... ...#.... ........ ........ ........ ...#.... ...##... ........
..###... ...#.... ....#... ..#..... ........ ...#.... ...#.#.. ..###...
.#.#.#.. ...#.... .....#.. .#...... ........ #######. ...#..#. .#...#..
...#.... ...#.... #######. #######. .##..... .#####.. ...#.... .#...#..
...#.... .#.#.#.. .....#.. .#...... #..#..#. ..###... .###.... .#...#..
...#.... ..###... ....#... ..#..... ....##.. .##.##.. ####.... ..###...
...#.... ...#.... ........ ........ ........ .#...#.. .##..... ........
........ ........ ........ ........ ........ ........ ........ ........
)";

namespace {

// How each code from 0xA0 to 0xFF is made: a drawn form, and the mark added to it.
enum Mark : uint8_t { NONE, VOICED, SEMI_VOICED };
struct KanaCode {
    uint8_t form;
    Mark mark;
};

// Form numbers follow katakana_art: 0 ゠, 1 ァ ... 58 ン, 59 ヵ, 60 ヶ, 61 ・, 62 ー, 63 ヽ, 64 ヿ.
constexpr KanaCode kana_codes[96] = {
    {0, NONE},    {1, NONE},         {2, NONE},    {3, NONE},    {4, NONE},         {5, NONE},
    {6, NONE},    {7, NONE},         {8, NONE},    {9, NONE},    {10, NONE},        {11, NONE},
    {11, VOICED}, {12, NONE},        {12, VOICED}, {13, NONE},   {13, VOICED},      {14, NONE},
    {14, VOICED}, {15, NONE},        {15, VOICED}, {16, NONE},   {16, VOICED},      {17, NONE},
    {17, VOICED}, {18, NONE},        {18, VOICED}, {19, NONE},   {19, VOICED},      {20, NONE},
    {20, VOICED}, {21, NONE},        {21, VOICED}, {22, NONE},   {22, VOICED},      {23, NONE},
    {24, NONE},   {24, VOICED},      {25, NONE},   {25, VOICED}, {26, NONE},        {26, VOICED},
    {27, NONE},   {28, NONE},        {29, NONE},   {30, NONE},   {31, NONE},        {32, NONE},
    {32, VOICED}, {32, SEMI_VOICED}, {33, NONE},   {33, VOICED}, {33, SEMI_VOICED}, {34, NONE},
    {34, VOICED}, {34, SEMI_VOICED}, {35, NONE},   {35, VOICED}, {35, SEMI_VOICED}, {36, NONE},
    {36, VOICED}, {36, SEMI_VOICED}, {37, NONE},   {38, NONE},   {39, NONE},        {40, NONE},
    {41, NONE},   {42, NONE},        {43, NONE},   {44, NONE},   {45, NONE},        {46, NONE},
    {47, NONE},   {48, NONE},        {49, NONE},   {50, NONE},   {51, NONE},        {52, NONE},
    {53, NONE},   {54, NONE},        {55, NONE},   {56, NONE},   {57, NONE},        {58, NONE},
    {6, VOICED},  {59, NONE},        {60, NONE},   {54, VOICED}, {55, VOICED},      {56, VOICED},
    {57, VOICED}, {61, NONE},        {62, NONE},   {63, NONE},   {63, VOICED},      {64, NONE},
};

// The marks sit in the top right corner; the form is cleared around them so they stay apart.
Glyph with_mark(const Glyph& form, Mark mark) {
    if (mark == NONE)
        return form;
    Glyph g = form;
    if (mark == VOICED) {
        for (int x = 4; x < 8; ++x)
            g.set(x, 0, 0);
        g.set(5, 0, 1);
        g.set(7, 0, 1);
        return g;
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 4; x < 8; ++x)
            g.set(x, y, 0);
    g.set(6, 0, 1);
    g.set(5, 1, 1);
    g.set(7, 1, 1);
    g.set(6, 2, 1);
    return g;
}

// Fills the cell where f(x, y) holds.
template <typename F>
Glyph fill_where(F f) {
    return make_glyph([&](int x, int y) { return f(x, y) ? 1 : 0; });
}

GlyphList block_glyphs() {
    return {
        fill_where([](int x, int y) { return (y % 2 == 0 && x % 4 == 0) || (y % 2 == 1 && x % 4 == 2); }),
        fill_where([](int x, int y) { return (x + y) % 2 == 0; }),
        fill_where([](int x, int y) { return !((y % 2 == 0 && x % 4 == 0) || (y % 2 == 1 && x % 4 == 2)); }),
        fill_where([](int, int) { return true; }),
        fill_where([](int, int y) { return y < 4; }),
        fill_where([](int, int y) { return y >= 4; }),
        fill_where([](int x, int) { return x < 4; }),
        fill_where([](int x, int) { return x >= 4; }),
        fill_where([](int x, int y) { return x >= 2 && x <= 5 && y >= 2 && y <= 5; }),
        fill_where([](int x, int y) {
            return x >= 1 && x <= 6 && y >= 1 && y <= 6 && (x == 1 || x == 6 || y == 1 || y == 6);
        }),
    };
}

} // namespace

Glyph line_arms(int arms, bool double_line) {
    // The lines as a solid path one (single) or three (double) pixels wide around the
    // centre (3, 3); a double line is the edge of the wide path.
    int lo = double_line ? 2 : 3;
    int hi = double_line ? 4 : 3;
    auto solid = [&](int x, int y) {
        bool across = x >= lo && x <= hi;
        bool along = y >= lo && y <= hi;
        if (across && along)
            return arms != 0;
        return (across && y < lo && (arms & 1)) || (along && x > hi && (arms & 2)) ||
               (across && y > hi && (arms & 4)) || (along && x < lo && (arms & 8));
    };
    if (!double_line)
        return fill_where(solid);
    return fill_where([&](int x, int y) {
        if (!solid(x, y))
            return false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (!solid(x + dx, y + dy))
                    return true;
        return false;
    });
}

GlyphList katakana_glyphs(bool bold) {
    GlyphList forms = parse_art(katakana_art);
    if (forms.size() != 65)
        return {};
    GlyphList out;
    for (const KanaCode& k : kana_codes) {
        Glyph g = forms[k.form];
        // Bold kana thicken only their upright strokes' right side where it stays clear.
        if (bold)
            g = make_glyph(
                [&](int x, int y) { return g.at(x, y) || (g.at(x - 1, y) && x < 7 && !g.at(x + 1, y)); });
        out.push_back(with_mark(g, k.mark));
    }
    return out;
}

GlyphList japanese_page(bool bold) {
    GlyphList symbols = parse_art(japanese_symbol_art);
    GlyphList latin = parse_art(bold ? bold_latin_art : thin_latin_art);
    GlyphList kana = katakana_glyphs(bold);
    if (symbols.size() != 32 || latin.size() != 96 || kana.size() != 96)
        return {};
    GlyphList page(256);
    for (int c = 0; c < 32; ++c)
        page[static_cast<size_t>(c)] = symbols[static_cast<size_t>(c)];
    for (int c = 32; c < 128; ++c)
        page[static_cast<size_t>(c)] = latin[static_cast<size_t>(c - 32)];
    // 0x80..0x8A single lines, 0x8B..0x95 double lines, in the order ─ │ ┌ ┐ └ ┘ ├ ┤ ┬ ┴ ┼.
    const int arms[11] = {10, 5, 6, 12, 3, 9, 7, 13, 14, 11, 15};
    for (int i = 0; i < 11; ++i) {
        page[static_cast<size_t>(0x80 + i)] = line_arms(arms[i], false);
        page[static_cast<size_t>(0x8B + i)] = line_arms(arms[i], true);
    }
    GlyphList blocks = block_glyphs();
    for (size_t i = 0; i < blocks.size(); ++i)
        page[0x96 + i] = blocks[i];
    for (int c = 0; c < 96; ++c)
        page[static_cast<size_t>(0xA0 + c)] = kana[static_cast<size_t>(c)];
    return page;
}

} // namespace lum::font
