#include "lum/graphics/font/text_palette.hpp"

#include <algorithm>

namespace lum {

namespace {

const RGBA WHITE(255, 255, 255, 255);

// Entries 1..14 of each shaded row: three octal digits for red, green and blue.
constexpr std::array<int, 14> ROW_CODES = {0x157, 0x037, 0x016, 0x526, 0x725, 0x711, 0x731,
                                           0x751, 0x770, 0x571, 0x162, 0x175, 0x000, 0x530};

constexpr std::array<std::array<int, 3>, 16> CLASSIC = {{{0, 0, 0},
                                                         {0, 0, 255},
                                                         {0, 255, 0},
                                                         {0, 255, 255},
                                                         {255, 0, 0},
                                                         {255, 0, 255},
                                                         {255, 255, 0},
                                                         {255, 255, 255},
                                                         {127, 127, 127},
                                                         {0, 0, 127},
                                                         {0, 127, 0},
                                                         {0, 127, 127},
                                                         {127, 0, 0},
                                                         {127, 0, 127},
                                                         {127, 127, 0},
                                                         {191, 191, 191}}};

int clamp_byte(int v) {
    return std::clamp(v, 0, 255);
}

// A digit 0..7 as a level: 0, 56, 88, ... 248.
int level(int digit) {
    return digit > 0 ? 32 * digit + 24 : 0;
}

// Row 0 is darkest, row 3 lightest.
int shade(int v, int row) {
    switch (row) {
    case 0:
        return clamp_byte(v / 3 + 16);
    case 1:
        return clamp_byte(2 * v / 3 + 8);
    case 2:
        return clamp_byte(v);
    default:
        return clamp_byte(v / 2 + 120);
    }
}

RGBA grey(int v) {
    return RGBA(v, v, v, 255);
}

RGBA coded(int code, int row) {
    std::array<int, 3> v = {level((code >> 8) & 7), level((code >> 4) & 7), level(code & 7)};
    // 0x000 would be black, which the row's own greys already cover: it is a skin tone.
    if (code == 0)
        v = {240, 192, 144};
    return RGBA(shade(v[0], row), shade(v[1], row), shade(v[2], row), 255);
}

} // namespace

TextPalette::TextPalette() {
    build();
}

void TextPalette::build() {
    base.fill(WHITE);
    working.fill(WHITE);
    for (size_t i = 0; i < CLASSIC.size(); ++i)
        base[i] = RGBA(CLASSIC[i][0], CLASSIC[i][1], CLASSIC[i][2], 255);
    for (int k = 0; k < 4; ++k) {
        const size_t first = static_cast<size_t>(16 * (k + 1));
        base[first] = grey(clamp_byte((124 - (19 - k) * (7 - k)) * 2));
        for (size_t i = 0; i < ROW_CODES.size(); ++i)
            base[first + 1 + i] = coded(ROW_CODES[i], k);
        base[first + 15] = grey(clamp_byte((124 - (3 - k) * (15 - k)) * 2));
    }
    base[16] = RGBA(0, 0, 0, 0);
    working = base;
}

TextPalette& default_text_palette() {
    static TextPalette palette;
    return palette;
}

TextPalette& overlay_text_palette() {
    static TextPalette palette;
    return palette;
}

} // namespace lum
