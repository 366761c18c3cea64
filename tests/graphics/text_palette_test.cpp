#include "lum/graphics/font/text_palette.hpp"

#include <gtest/gtest.h>

namespace {

using lum::RGBA;
using lum::TextPalette;

TEST(TextPalette, HasTheCheckValuesAndTheRowShades) {
    const TextPalette p;
    // The check values the palette rule is known by.
    EXPECT_EQ(p.working[32], RGBA(32, 32, 32, 255));
    EXPECT_EQ(p.working[35], RGBA(8, 45, 152, 255));
    EXPECT_EQ(p.working[50], RGBA(0, 120, 248, 255));
    EXPECT_EQ(p.working[61], RGBA(240, 192, 144, 255));
    EXPECT_EQ(p.working[79], RGBA(248, 248, 248, 255));
    // Row 0 (entries 16..31): v / 3 + 16. 0x157 is levels (56, 184, 248).
    EXPECT_EQ(p.working[17], RGBA(34, 77, 98, 255));
    // The skin tone 0x000 is shaded like any code: (240, 192, 144) / 3 + 16.
    EXPECT_EQ(p.working[29], RGBA(96, 80, 64, 255));
    EXPECT_EQ(p.working[31], RGBA(158, 158, 158, 255));
    // Row 1: 2v / 3 + 8; row 3: v / 2 + 120.
    EXPECT_EQ(p.working[33], RGBA(45, 130, 173, 255));
    EXPECT_EQ(p.working[64], RGBA(120, 120, 120, 255));
    EXPECT_EQ(p.working[65], RGBA(148, 212, 244, 255));
    // The boot screen's banner and section colours (row 2, unshaded): 0x162 and 0x770.
    EXPECT_EQ(p.working[59], RGBA(56, 216, 88, 255));
    EXPECT_EQ(p.working[57], RGBA(248, 248, 0, 255));
    EXPECT_EQ(p.working[48], RGBA(78, 78, 78, 255));
    EXPECT_EQ(p.working[63], RGBA(222, 222, 222, 255));
    // Row 0's dark grey would be negative: clamped to black, and then entry 16 is transparent.
    EXPECT_EQ(p.working[16], RGBA(0, 0, 0, 0));
}

TEST(TextPalette, ClassicSixteenThenWhiteAndAnEqualWorkingCopy) {
    const TextPalette p;
    EXPECT_EQ(p.working[0], RGBA(0, 0, 0, 255));
    EXPECT_EQ(p.working[1], RGBA(0, 0, 255, 255));
    EXPECT_EQ(p.working[4], RGBA(255, 0, 0, 255));
    EXPECT_EQ(p.working[8], RGBA(127, 127, 127, 255));
    EXPECT_EQ(p.working[13], RGBA(127, 0, 127, 255));
    EXPECT_EQ(p.working[15], RGBA(191, 191, 191, 255));
    for (int i = 80; i < 256; ++i)
        EXPECT_EQ(p.working[i], RGBA(255, 255, 255, 255)) << i;
    EXPECT_EQ(p.base, p.working);
    EXPECT_EQ(p.default_colour, 79);
    EXPECT_EQ(p.backdrop_colour, 32);
    // Rebuilding restores a working copy that a caller changed.
    TextPalette changed;
    changed.working[79] = RGBA(1, 2, 3, 4);
    changed.build();
    EXPECT_EQ(changed.colour(79), RGBA(248, 248, 248, 255));
}

} // namespace
