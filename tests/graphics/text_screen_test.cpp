#include "lum/core/runtime_warning.hpp"
#include "lum/graphics/font/charset.hpp"
#include "lum/graphics/font/text_screen.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using lum::CellHalf;
using lum::Charset;
using lum::Rect;
using lum::RenderTarget;
using lum::RGBA;
using lum::String;
using lum::TextCell;
using lum::TextScreen;

struct GlyphCall {
    int page;
    uint32_t code;
    int x, y, width, height;
    RGBA colour;
    int angle;
};

// Records what a screen would draw instead of drawing it.
class RecordingCanvas : public lum::TextCanvas {
  public:
    void create(RenderTarget&, int32_t width, int32_t height) override {
        created_width = width;
        created_height = height;
    }
    void release(RenderTarget&) override { ++releases; }
    void clear(RenderTarget&) override { ++clears; }
    void begin(RenderTarget&) override {
        ++depth;
        ++begins;
        fills.clear();
        glyphs.clear();
    }
    void fill(const Rect& pixels) override { fills.push_back(pixels); }
    void glyph(const Charset& charset, uint32_t code, int32_t x, int32_t y, int32_t width, int32_t height,
               const RGBA& colour, int32_t angle) override {
        glyphs.push_back({charset.page, code, x, y, width, height, colour, angle});
    }
    void end(RenderTarget&) override { --depth; }

    int created_width = 0;
    int created_height = 0;
    int releases = 0;
    int clears = 0;
    int depth = 0;
    int begins = 0;
    std::vector<Rect> fills;
    std::vector<GlyphCall> glyphs;
};

uint32_t fake_texture(const uint8_t*) {
    static uint32_t next = 1000;
    return ++next;
}
void no_delete(uint32_t) {}

class TextScreenTest : public testing::Test {
  protected:
    void SetUp() override {
        lum::SystemFont::build(RGBA(0, 0, 0, 0), lum::TextureHooks{fake_texture, no_delete});
    }

    // The codes the last flush drew, in order.
    std::string drawn_codes() const {
        std::string s;
        for (const GlyphCall& g : canvas.glyphs)
            s += static_cast<char>(g.code);
        return s;
    }

    RecordingCanvas canvas;
    TextScreen screen{canvas};
};

CellHalf half(uint32_t code, int page, int colour, int flags) {
    return CellHalf{code, static_cast<uint8_t>(page), static_cast<uint8_t>(colour), 0,
                    static_cast<uint8_t>(flags)};
}

TEST_F(TextScreenTest, PrintWritesOneRowAndSkipsCellsOutsideTheGrid) {
    screen.resize(4, 2);
    screen.print(3, 0, "AB");
    EXPECT_EQ(screen.cell(3, 0).wanted, half('A', 3, 79, 0));
    // "B" fell off the right edge and did not wrap onto the next row.
    EXPECT_EQ(screen.cell(0, 1), TextCell::nothing());

    screen.current_page = 5;
    screen.current_colour = 50;
    screen.print(-1, 1, "XY");
    EXPECT_EQ(screen.cell(0, 1).wanted, half('Y', 5, 50, 0));
    EXPECT_EQ(screen.cell(1, 1), TextCell::nothing());

    // Rows outside the grid, above or below, take nothing.
    screen.print(0, 2, "Z");
    screen.print(0, -1, "Z");
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NE(screen.cell(column, row).wanted.code, uint32_t('Z'));

    // A character beyond ASCII is kept as its UTF-16 unit.
    screen.print(1, 0, u"\u30A2");
    EXPECT_EQ(screen.cell(1, 0).wanted.code, 0x30A2u);

    // The far edges of the coordinates take nothing and count without overflow.
    screen.print(INT32_MAX, 0, "AB");
    screen.print(INT32_MIN, 0, "AB");
    EXPECT_EQ(screen.cell(0, 0), TextCell::nothing());
}

TEST_F(TextScreenTest, ACellOutsideTheGridWarnsWithItsWrappedIndex) {
    screen.resize(4, 2);
    testing::internal::CaptureStderr();
    EXPECT_EQ(screen.cell(INT32_MAX, INT32_MAX), TextCell{});
    EXPECT_EQ(screen.cell(4, 1), TextCell{});
    // 0x7FFFFFFF * 4 + 0x7FFFFFFF is 0x27FFFFFFB, of which 32 bits are 0x7FFFFFFB.
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[lum.runtime.warning TextScreen::cell] Invalid index (row * columns + column=2147483643)\n"
              "[lum.runtime.warning TextScreen::cell] Invalid index (row * columns + column=8)\n");
}

TEST_F(TextScreenTest, ControlUnitsSetMirroringAndRotationAndTakeNoCell) {
    screen.resize(8, 1);
    screen.print(0, 0,
                 u"\x02"
                 u"A\x01"
                 u"B");
    EXPECT_EQ(screen.cell(0, 0).wanted, half('A', 3, 79, 1));
    EXPECT_EQ(screen.cell(1, 0).wanted, half('B', 3, 79, 0));

    // Both mirrors and 180 degrees: bits 0, 1 and turns 2 in bits 2-3.
    screen.print(2, 0,
                 u"\x04\x07"
                 u"C");
    EXPECT_EQ(screen.cell(2, 0).wanted.flags, 0x0B);
    // Rotation keeps the mirror bits, and a mirror unit keeps the rotation.
    screen.print(3, 0,
                 u"\x06\x03"
                 u"D\x02"
                 u"E\x08\x01"
                 u"F");
    EXPECT_EQ(screen.cell(3, 0).wanted.flags, 0x04 | 0x02);
    EXPECT_EQ(screen.cell(4, 0).wanted.flags, 0x04 | 0x01);
    EXPECT_EQ(screen.cell(5, 0).wanted.flags, 0x0C);
    // Flags start afresh with every print.
    screen.print(6, 0, "G");
    EXPECT_EQ(screen.cell(6, 0).wanted.flags, 0);
    // Unit 9 (a tab) is an ordinary character.
    screen.print(7, 0, u"\x09");
    EXPECT_EQ(screen.cell(7, 0).wanted.code, 9u);
}

TEST_F(TextScreenTest, FlushDrawsOnlyChangedCellsWithTheirTransforms) {
    screen.resize(4, 2);
    EXPECT_EQ(canvas.created_width, 32);
    EXPECT_EQ(canvas.created_height, 16);

    lum::TextPalette palette;
    palette.working[79] = RGBA(1, 2, 3, 255);
    screen.palette = &palette;
    screen.print(0, 0,
                 u"\x02"
                 u"A\x07\x04"
                 u"B");
    screen.current_colour = 50;
    screen.current_page = 0;
    screen.print(3, 1,
                 u"\x06"
                 u"C");
    screen.flush();
    EXPECT_EQ(canvas.depth, 0);
    // The fill of the new screen comes first, in pixels.
    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(canvas.fills[0], Rect(0, 0, 32, 16));
    ASSERT_EQ(canvas.glyphs.size(), 3u);
    const GlyphCall& a = canvas.glyphs[0];
    EXPECT_EQ(a.code, uint32_t('A'));
    EXPECT_EQ(a.page, 3);
    EXPECT_EQ(a.x, 4);
    EXPECT_EQ(a.y, 4);
    EXPECT_EQ(a.width, -8);
    EXPECT_EQ(a.height, 8);
    EXPECT_EQ(a.angle, 0);
    EXPECT_EQ(a.colour, RGBA(1, 2, 3, 255));
    const GlyphCall& b = canvas.glyphs[1];
    EXPECT_EQ(b.x, 12);
    EXPECT_EQ(b.width, -8);
    EXPECT_EQ(b.height, -8);
    EXPECT_EQ(b.angle, 180);
    const GlyphCall& c = canvas.glyphs[2];
    EXPECT_EQ(c.page, 0);
    EXPECT_EQ(c.x, 28);
    EXPECT_EQ(c.y, 12);
    EXPECT_EQ(c.width, 8);
    EXPECT_EQ(c.height, 8);
    EXPECT_EQ(c.angle, 90);
    EXPECT_EQ(c.colour, RGBA(0, 120, 248, 255));
    EXPECT_EQ(screen.cells_drawn(), 3);

    // Nothing changed: no fill, no glyph, not even a visit to the target.
    const int begun = canvas.begins;
    screen.flush();
    EXPECT_EQ(canvas.begins, begun);
    EXPECT_EQ(screen.cells_drawn(), 0);
    // The same text printed again changes nothing either.
    screen.current_page = 3;
    screen.current_colour = 79;
    screen.print(0, 0,
                 u"\x02"
                 u"A\x07\x04"
                 u"B");
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 0);
    // Only the cell whose look changed is drawn.
    screen.print(0, 0, "A");
    screen.flush();
    EXPECT_EQ(drawn_codes(), "A");
    EXPECT_EQ(canvas.glyphs[0].width, 8);
}

TEST_F(TextScreenTest, CellsOfAPageWithoutTextureAreMarkedDrawnButNotCounted) {
    screen.resize(3, 1);
    screen.current_page = 200;
    screen.print(0, 0, "A");
    screen.current_page = 60;
    screen.print(1, 0, "B");
    screen.current_page = 3;
    screen.print(2, 0, "C");
    screen.flush();
    EXPECT_EQ(drawn_codes(), "C");
    EXPECT_EQ(screen.cells_drawn(), 1);
    EXPECT_FALSE(screen.cell(0, 0).changed());
    EXPECT_FALSE(screen.cell(1, 0).changed());
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 0);
}

TEST_F(TextScreenTest, ScrollMovesRowsUpAndFillsTheLastWithDefaultSpaces) {
    screen.resize(3, 3);
    screen.current_page = 0;
    screen.current_colour = 57;
    screen.print(0, 0, "abc");
    screen.print(0, 1, "de");
    // A cell of code 0 in page 0 and colour 0 has an all-zero wanted half.
    screen.current_colour = 0;
    screen.print(2, 1, String(u"\0", 1));
    screen.flush();
    ASSERT_EQ(screen.cells_drawn(), 6);

    screen.scroll();
    EXPECT_EQ(canvas.clears, 1);
    EXPECT_EQ(screen.cell(0, 0).wanted, half('d', 0, 57, 0));
    EXPECT_EQ(screen.cell(0, 0).drawn, CellHalf{});
    EXPECT_EQ(screen.cell(2, 0).wanted, CellHalf{});
    EXPECT_EQ(screen.cell(2, 0).drawn, half(1, 0, 0, 0));
    // Row 2 was never printed: nothing to draw, moved up as it is.
    EXPECT_EQ(screen.cell(0, 1).wanted, TextCell::nothing().wanted);
    // The last row is spaces in page 3, colour 79, whatever the current page and colour.
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(screen.cell(column, 2).wanted, half(' ', 3, 79, 0));
        EXPECT_EQ(screen.cell(column, 2).drawn, CellHalf{});
    }
    // The target was cleared, so every moved cell is drawn again, and the spaces.
    screen.flush();
    EXPECT_EQ(drawn_codes(), std::string("de") + '\0' + "   ");
    EXPECT_EQ(canvas.glyphs[0].y, 4);
    EXPECT_EQ(canvas.glyphs[3].y, 20);
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 0);

    // A one-row screen only blanks its row.
    TextScreen line{canvas};
    line.resize(2, 1);
    line.print(0, 0, "xy");
    line.scroll();
    EXPECT_EQ(line.cell(1, 0).wanted, half(' ', 3, 79, 0));
}

TEST_F(TextScreenTest, ClearFillsItsRectangleAndForgetsOnlyItsCells) {
    screen.resize(4, 3);
    screen.print(0, 0, "ab");
    screen.print(0, 1, "cd");
    screen.print(0, 2, "ef");
    screen.flush();

    screen.clear(Rect(0, 0, 4, 1));
    EXPECT_EQ(screen.cell(0, 0), TextCell::nothing());
    EXPECT_EQ(screen.cell(0, 1).wanted.code, uint32_t('c'));
    // Text outside the cleared row is still on the screen, so a scroll moves it up.
    screen.scroll();
    screen.flush();
    EXPECT_EQ(drawn_codes(), "cdef    ");
    EXPECT_EQ(canvas.fills, (std::vector<Rect>{Rect(0, 0, 32, 8)}));

    // Fills are clipped to the grid, whatever their size.
    screen.clear(Rect(-5, 2, INT_MAX, 7));
    screen.clear(Rect(5, 0, 1, 1));
    screen.clear(Rect(1, 1, 2, -1));
    screen.flush();
    EXPECT_EQ(canvas.fills, (std::vector<Rect>{Rect(0, 16, 32, 8)}));
    EXPECT_EQ(screen.cell(3, 2), TextCell::nothing());
    EXPECT_TRUE(screen.fill_queue().empty());
}

TEST_F(TextScreenTest, ResizeClampsTheSizeAndResetsPagePaletteAndColour) {
    lum::TextPalette other;
    screen.palette = &other;
    screen.current_page = 9;
    screen.current_colour = 1;
    screen.resize(0, 300);
    EXPECT_EQ(screen.columns(), 1);
    EXPECT_EQ(screen.rows(), 256);
    EXPECT_EQ(canvas.created_width, 8);
    EXPECT_EQ(canvas.created_height, 2048);
    EXPECT_EQ(screen.palette, &lum::default_text_palette());
    EXPECT_EQ(screen.current_page, 3);
    EXPECT_EQ(screen.current_colour, 79);
    EXPECT_EQ(screen.fill_queue(), (std::vector<Rect>{Rect(0, 0, 1, 256)}));
    EXPECT_EQ(screen.cell(0, 255), TextCell::nothing());

    screen.print(0, 0, "A");
    screen.resize(1000, -3);
    EXPECT_EQ(screen.columns(), 256);
    EXPECT_EQ(screen.rows(), 1);
    EXPECT_EQ(screen.cell(0, 0), TextCell::nothing());
    // One fill of the whole new screen; the old one's fill is not kept.
    EXPECT_EQ(screen.fill_queue(), (std::vector<Rect>{Rect(0, 0, 256, 1)}));
}

TEST_F(TextScreenTest, DestroyedScreenIgnoresEverythingUntilResized) {
    screen.resize(4, 2);
    screen.print(0, 0, "AB");
    screen.destroy();
    EXPECT_EQ(canvas.releases, 2);
    EXPECT_EQ(screen.columns(), 0);
    const int32_t warnings = lum::warning_count();
    screen.print(0, 0, "AB");
    screen.scroll();
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 0);
    EXPECT_EQ(canvas.clears, 0);
    EXPECT_EQ(lum::warning_count(), warnings);

    screen.resize(2, 1);
    screen.print(0, 0, "AB");
    screen.flush();
    EXPECT_EQ(drawn_codes(), "AB");
}

} // namespace
