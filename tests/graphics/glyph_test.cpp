#include "lum/graphics/font/glyph_art.hpp"
#include "lum/graphics/font/glyph_block.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using lum::builtin_glyph_block;
using lum::GlyphBlock;

// A glyph as eight rows: "." 0, "#" 1, "x" 2, "+" 3.
std::vector<std::string> rows_of(const GlyphBlock& block, int glyph) {
    std::vector<std::string> rows;
    for (int y = 0; y < 8; ++y) {
        std::string row;
        for (int x = 0; x < 8; ++x)
            row += ".#x+"[block.pixel(glyph, x, y)];
        rows.push_back(row);
    }
    return rows;
}

const GlyphBlock& page(int n) {
    const GlyphBlock* block = builtin_glyph_block(n);
    EXPECT_NE(block, nullptr) << "page " << n;
    static const GlyphBlock none;
    return block != nullptr ? *block : none;
}

TEST(GlyphBlock, DecodesOneAndTwoBitLayouts) {
    // One bit: pixel (x, y) is bit x + 8 (y mod 4) of word y / 4.
    std::vector<uint32_t> words{1, 16, 0, 0x80000001u, 0x00000100u};
    words.resize(3 + 16 * 2, 0);
    GlyphBlock one(words);
    ASSERT_EQ(one.glyph_count(), 16);
    EXPECT_EQ(one.pixel(0, 0, 0), 1);
    EXPECT_EQ(one.pixel(0, 7, 3), 1);
    EXPECT_EQ(one.pixel(0, 0, 5), 1);
    EXPECT_EQ(one.pixel(0, 1, 0), 0);
    EXPECT_EQ(one.pixel(0, 0, 4), 0);
    EXPECT_EQ(one.pixel(1, 0, 0), 0);
    EXPECT_EQ(one.pixel(0, 8, 0), 0);
    EXPECT_EQ(one.pixel(16, 0, 0), 0);

    // Two bits: the value of (x, y) is in bits 2 (x + 8 (y mod 2)) and up of word y / 2.
    std::vector<uint32_t> wide{2, 16, 0, 0xC0000000u, 0, 0, 0x00000008u};
    wide.resize(3 + 16 * 4, 0);
    GlyphBlock two(wide);
    ASSERT_EQ(two.glyph_count(), 16);
    EXPECT_EQ(two.pixel(0, 7, 1), 3);
    EXPECT_EQ(two.pixel(0, 1, 6), 2);
    EXPECT_EQ(two.pixel(0, 0, 0), 0);
    EXPECT_EQ(two.pixel(0, 1, 7), 0);
}

TEST(GlyphBlock, PacksPixelsIntoWords) {
    std::vector<std::array<uint8_t, 64>> glyphs(16);
    glyphs[0][0] = 1;         // (0, 0): bit 0 of word 0
    glyphs[0][3 * 8 + 7] = 1; // (7, 3): bit 31 of word 0
    glyphs[0][5 * 8 + 0] = 1; // (0, 5): bit 8 of word 1
    GlyphBlock one = GlyphBlock::pack(1, 0, glyphs);
    ASSERT_EQ(one.word_count(), 3 + 32);
    EXPECT_EQ(one.words()[0], 1u);
    EXPECT_EQ(one.words()[1], 16u);
    EXPECT_EQ(one.words()[2], 0u);
    EXPECT_EQ(one.words()[3], 0x80000001u);
    EXPECT_EQ(one.words()[4], 0x00000100u);

    std::vector<std::array<uint8_t, 64>> wide(16);
    wide[0][1 * 8 + 7] = 3; // (7, 1): bits 30 and 31 of word 0
    wide[0][6 * 8 + 1] = 2; // (1, 6): bit 3 of word 3
    GlyphBlock two = GlyphBlock::pack(2, 0, wide);
    ASSERT_EQ(two.word_count(), 3 + 64);
    EXPECT_EQ(two.words()[3], 0xC0000000u);
    EXPECT_EQ(two.words()[6], 0x00000008u);

    // A count the font does not know, or a block cut short, gives no glyphs.
    EXPECT_EQ(GlyphBlock::pack(1, 0, std::vector<std::array<uint8_t, 64>>(17)).glyph_count(), 0);
    EXPECT_EQ(GlyphBlock::pack(3, 0, glyphs).glyph_count(), 0);
    EXPECT_EQ(GlyphBlock(std::vector<uint32_t>{1, 16, 0, 0}).glyph_count(), 0);
    EXPECT_EQ(GlyphBlock().pixel(0, 0, 0), 0);
}

TEST(SystemFontData, EveryPageHasItsDepthCountAndFirstCode) {
    // Bits per pixel, glyph count and first code of pages 0..59, from the page table.
    auto expected_bits = [](int p) {
        if (p == 1 || (p >= 5 && p <= 9) || (p >= 11 && p <= 18) || (p >= 20 && p <= 25))
            return 1;
        return p == 34 || p == 57 || p == 59 ? 1 : 2;
    };
    auto expected_count = [](int p) {
        if (p <= 3 || (p >= 5 && p <= 22))
            return 96;
        return p == 23 || p == 24 ? 256 : (p == 25 ? 64 : 16);
    };
    for (int p = 0; p < lum::SYSTEM_FONT_PAGES; ++p) {
        const GlyphBlock& b = page(p);
        EXPECT_EQ(b.bits_per_pixel(), expected_bits(p)) << "page " << p;
        EXPECT_EQ(b.glyph_count(), expected_count(p)) << "page " << p;
        EXPECT_EQ(b.first_code(), expected_count(p) == 96 ? 32 : 0) << "page " << p;
        EXPECT_EQ(b.word_count(), 3 + b.glyph_count() * 2 * b.bits_per_pixel()) << "page " << p;
    }
    EXPECT_EQ(builtin_glyph_block(-1), nullptr);
    EXPECT_EQ(builtin_glyph_block(60), nullptr);
}

TEST(SystemFontData, AsciiPagesHoldEveryPrintableCharacterAndABlankSpace) {
    for (int p = 0; p < lum::SYSTEM_FONT_PAGES; ++p) {
        const GlyphBlock& b = page(p);
        if (b.glyph_count() != 96)
            continue;
        EXPECT_TRUE(b.glyph_empty(b.glyph_of_code(' '))) << "page " << p;
        for (int c = '!'; c <= '~'; ++c)
            EXPECT_FALSE(b.glyph_empty(b.glyph_of_code(c))) << "page " << p << " code " << c;
    }
}

TEST(SystemFontData, LettersOfTheDefaultPageAreAllDifferent) {
    const GlyphBlock& b = page(3);
    std::set<std::array<uint8_t, 64>> seen;
    std::string letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters += c;
    for (char c = 'a'; c <= 'z'; ++c)
        letters += c;
    for (char c : letters)
        EXPECT_TRUE(seen.insert(b.glyph_pixels(b.glyph_of_code(c))).second) << c << " repeats a letter";
}

TEST(SystemFontData, DefaultPageDrawsBoldLettersWithABlackShadow) {
    const GlyphBlock& b = page(3);
    std::vector<std::string> a{"..###...", ".##x##..", "##xx.##.", "##x..##x",
                               "#######x", "##xxx##x", "##x..##x", ".xx...xx"};
    std::vector<std::string> g{"........", "........", ".######.", "##xxx##x",
                               "##x..##x", ".######x", "..xxx##x", "######xx"};
    std::vector<std::string> one{"..##....", ".###x...", "..##x...", "..##x...",
                                 "..##x...", "..##x...", "######..", ".xxxxxx."};
    EXPECT_EQ(rows_of(b, b.glyph_of_code('A')), a);
    EXPECT_EQ(rows_of(b, b.glyph_of_code('g')), g);
    EXPECT_EQ(rows_of(b, b.glyph_of_code('1')), one);
}

TEST(SystemFontData, JapanesePagesHoldAsciiLinesAndKatakanaByLowByte) {
    for (int p : {23, 24}) {
        const GlyphBlock& b = page(p);
        ASSERT_EQ(b.glyph_count(), 256);
        EXPECT_EQ(b.glyph_count() + b.first_code() - 1, 255); // the code mask
        EXPECT_TRUE(b.glyph_empty(0x20));
        EXPECT_TRUE(b.glyph_empty(0x00)); // U+3000, the ideographic space
        for (int c = '!'; c <= '~'; ++c)
            EXPECT_FALSE(b.glyph_empty(c)) << "page " << p << " code " << c;
        // U+30A1..U+30FA, each its own shape.
        std::set<std::array<uint8_t, 64>> kana;
        for (int c = 0xA1; c <= 0xFA; ++c) {
            EXPECT_FALSE(b.glyph_empty(c)) << "page " << p << " code " << c;
            EXPECT_TRUE(kana.insert(b.glyph_pixels(c)).second) << "page " << p << " code " << c;
        }
        // The prolonged sound mark U+30FC is a bar across the middle.
        EXPECT_EQ(rows_of(b, 0xFC)[4], "#######.");
        // Box drawing: ─ at 0x80 runs across the cell, │ at 0x81 down it.
        EXPECT_EQ(rows_of(b, 0x80)[3], "########");
        for (int y = 0; y < 8; ++y)
            EXPECT_EQ(b.pixel(0x81, 3, y), 1);
    }
    // The bold page draws the same ASCII letters heavier than the thin one.
    int thin = 0, bold = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            thin += page(23).pixel('H', x, y);
            bold += page(24).pixel('H', x, y);
        }
    EXPECT_GT(bold, thin);
}

TEST(SystemFontData, CapitalsPageHoldsGlyphsAtCodeAnd63) {
    const GlyphBlock& b = page(25);
    ASSERT_EQ(b.glyph_count(), 64);
    EXPECT_EQ(b.glyph_count() + b.first_code() - 1, 63);
    std::set<std::array<uint8_t, 64>> seen;
    std::string set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ!?.:-";
    for (char c : set) {
        int glyph = c & 63;
        EXPECT_FALSE(b.glyph_empty(glyph)) << c;
        EXPECT_TRUE(seen.insert(b.glyph_pixels(glyph)).second) << c;
    }
    EXPECT_TRUE(b.glyph_empty(' ' & 63));
    // 'I' (73 AND 63 = 9) is a capital I: a bar over a stem, stems two pixels wide.
    std::vector<std::string> i = rows_of(b, 9);
    EXPECT_EQ(i[0], ".####...");
    EXPECT_EQ(i[3], "..##....");
    EXPECT_EQ(i[7], ".####...");
}

TEST(GlyphArt, ReadsBandsAndRejectsMalformedArt) {
    using lum::font::parse_art;
    const char* good = "; A B\n"
                       "#....... .......x\n........ ........\n........ ........\n........ ........\n"
                       "........ ........\n........ ........\n........ ........\n.......+ ........\n";
    lum::font::GlyphList glyphs = parse_art(good);
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].at(0, 0), 1);
    EXPECT_EQ(glyphs[0].at(7, 7), 3);
    EXPECT_EQ(glyphs[1].at(7, 0), 2);
    // A short row, an unknown character, and a band of seven rows.
    std::string short_row = good;
    short_row.replace(short_row.find("#......."), 8, "#......");
    EXPECT_TRUE(parse_art(short_row).empty());
    std::string bad_char = good;
    bad_char.replace(bad_char.find("#......."), 1, "o");
    EXPECT_TRUE(parse_art(bad_char).empty());
    std::string seven = good;
    seven.erase(seven.rfind(".......+"));
    EXPECT_TRUE(parse_art(seven).empty());
}

} // namespace
