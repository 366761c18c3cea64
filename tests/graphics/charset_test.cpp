#include "lum/graphics/font/charset.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using lum::Charset;
using lum::RGBA;
using lum::SystemFont;

// Bytes of texture pixel (column c, row r).
std::array<uint8_t, 4> texel(const std::vector<uint8_t>& pixels, int c, int r) {
    const uint8_t* p = &pixels[static_cast<size_t>((r * 128 + c) * 4)];
    return {p[0], p[1], p[2], p[3]};
}

TEST(Charset, TakesMaskAndCellsFromTheBlock) {
    std::vector<uint8_t> pixels;
    const RGBA background(10, 20, 30, 0);
    const std::pair<int, uint32_t> masks[] = {{0, 127}, {3, 127}, {4, 15}, {23, 255}, {25, 63}, {59, 15}};
    for (auto [page, mask] : masks) {
        Charset c;
        c.prepare(static_cast<uint8_t>(page), *lum::builtin_glyph_block(page), background, pixels);
        EXPECT_EQ(c.page, page);
        EXPECT_EQ(c.code_mask, mask) << "page " << page;
        EXPECT_EQ(c.code_modulus, 0u);
        EXPECT_EQ(c.glyphs_per_row, 16);
        EXPECT_FLOAT_EQ(c.glyph_width, 0.0625f);
        EXPECT_FLOAT_EQ(c.glyph_height, 0.0625f);
    }
    Charset ascii;
    ascii.prepare(3, *lum::builtin_glyph_block(3), background, pixels);
    // Codes above the mask wrap: 200 shows glyph 72, "H", in column 8 of row 4.
    EXPECT_EQ(ascii.glyph_index(200), 72);
    lum::GlyphCell cell = ascii.cell_of(200);
    EXPECT_FLOAT_EQ(cell.s0, 0.5f);
    EXPECT_FLOAT_EQ(cell.t0, 0.25f);
    EXPECT_FLOAT_EQ(cell.s1, 0.5625f);
    EXPECT_FLOAT_EQ(cell.t1, 0.3125f);
    // A UTF-16 unit far above the page keeps only its low bits.
    EXPECT_EQ(ascii.glyph_index(0x3041), 0x41);
    // With no mask the modulus decides.
    Charset modular;
    modular.code_modulus = 10;
    EXPECT_EQ(modular.glyph_index(123), 3);
}

TEST(Charset, PaintsGlyphsOverTheTestPattern) {
    std::vector<uint8_t> pixels;
    const RGBA background(10, 20, 30, 0);
    lum::paint_glyph_texture(*lum::builtin_glyph_block(0), background, pixels);
    ASSERT_EQ(pixels.size(), 128u * 128u * 4u);
    // Rows 0 and 1 of cells hold no glyph of an ASCII page: (255 - 2r, 255 - 2c, r + c, 255).
    EXPECT_EQ(texel(pixels, 3, 5), (std::array<uint8_t, 4>{245, 249, 8, 255}));
    EXPECT_EQ(texel(pixels, 127, 15), (std::array<uint8_t, 4>{225, 1, 142, 255}));
    // Page 0's "A" sits in the cell at column 8, row 32; its shadow is opaque black.
    // Bold "A" has white at (2, 0), nothing at (0, 0), and shadow at (3, 1).
    EXPECT_EQ(texel(pixels, 8 + 2, 32), (std::array<uint8_t, 4>{255, 255, 255, 255}));
    EXPECT_EQ(texel(pixels, 8 + 0, 32), (std::array<uint8_t, 4>{10, 20, 30, 0}));
    EXPECT_EQ(texel(pixels, 8 + 3, 33), (std::array<uint8_t, 4>{0, 0, 0, 255}));
    // Page 19 glows with half-transparent white next to its strokes: "!" (cell column 8,
    // row 16) is one pixel wide in column 3, so column 2 glows.
    lum::paint_glyph_texture(*lum::builtin_glyph_block(19), background, pixels);
    EXPECT_EQ(texel(pixels, 8 + 3, 16 + 1), (std::array<uint8_t, 4>{255, 255, 255, 255}));
    EXPECT_EQ(texel(pixels, 8 + 2, 16 + 1), (std::array<uint8_t, 4>{255, 255, 255, 160}));
}

int created = 0;
uint32_t fake_create(const uint8_t* rgba) {
    EXPECT_NE(rgba, nullptr);
    return static_cast<uint32_t>(++created);
}
std::vector<uint32_t> destroyed;
void fake_destroy(uint32_t texture) {
    destroyed.push_back(texture);
}

TEST(SystemFont, BuildsSixtyPagesIntoTheirSlotsAndMakesEachTextureWhenItIsFirstDrawn) {
    created = 0;
    destroyed.clear();
    lum::TextureHooks hooks{fake_create, fake_destroy};
    SystemFont::build(RGBA(0, 0, 0, 0), hooks);
    EXPECT_EQ(created, 0);
    for (int p = 0; p < 60; ++p) {
        ASSERT_NE(SystemFont::slot(p), nullptr) << p;
        EXPECT_EQ(SystemFont::slot(p)->page, p);
        EXPECT_EQ(SystemFont::slot(p)->texture, 0u);
    }
    for (int p : {60, 255, 256, -1})
        EXPECT_EQ(SystemFont::slot(p), nullptr) << p;

    // Drawn twice, made once.
    EXPECT_EQ(SystemFont::slot(5)->drawing_texture(), 1u);
    EXPECT_EQ(SystemFont::slot(5)->drawing_texture(), 1u);
    EXPECT_EQ(SystemFont::slot(7)->drawing_texture(), 2u);
    EXPECT_EQ(created, 2);

    // Building again frees the textures made, and only those.
    SystemFont::build(RGBA(0, 0, 0, 0), hooks);
    EXPECT_EQ(destroyed, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(SystemFont::slot(5)->texture, 0u);
    EXPECT_EQ(SystemFont::slot(5)->drawing_texture(), 3u);

    // Without hooks there is nothing to draw with.
    SystemFont::build(RGBA(0, 0, 0, 0), lum::TextureHooks{});
    EXPECT_EQ(SystemFont::slot(5)->drawing_texture(), 0u);
}

TEST(SystemFont, MissingBlockStopsTheBuildWithItsText) {
    lum::Vector<const lum::GlyphBlock*> blocks(60);
    for (int p = 0; p < 60; ++p)
        blocks.at(p) = lum::builtin_glyph_block(p);
    blocks.at(7) = nullptr;
    try {
        SystemFont::build_from(blocks, RGBA(0, 0, 0, 0), lum::TextureHooks{});
        FAIL() << "no exception";
    } catch (const char* text) {
        EXPECT_STREQ(text, "SYSTEMFONT DATA 0 EXCEPTION");
    }
}

} // namespace
