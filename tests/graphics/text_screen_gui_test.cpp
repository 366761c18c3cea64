#include "gl_test_window.hpp"

#include "lum/graphics/draw.hpp"
#include "lum/graphics/font/system_font_drawing.hpp"
#include "lum/graphics/font/text_screen.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace lum;
using namespace lum::test;

namespace {

// Page 3 glyphs worked by hand from the bold source rows with their one-pixel
// black shadow down and right: "#" white, "x" black, "." background.
const std::vector<std::string> PAGE3_A = {"..###...", ".##x##..", "##xx.##.", "##x..##x",
                                          "#######x", "##xxx##x", "##x..##x", ".xx...xx"};
const std::vector<std::string> PAGE3_F = {"#######.", "##xxxxxx", "##x.....", "######..",
                                          "##xxxxx.", "##x.....", "##x.....", ".xx....."};

const Pixel CLEAR{0, 0, 0, 0};
const Pixel BLACK{0, 0, 0, 255};

// What a glyph pixel becomes in a cell of colour c over a transparent font background.
Pixel ink(char p, const Pixel& c) {
    if (p == '#')
        return c;
    return p == 'x' ? BLACK : CLEAR;
}

// All pixels of a target, read once.
class Snapshot {
  public:
    explicit Snapshot(const RenderTarget& t) : width_(t.width()), height_(t.height()) {
        bytes_.resize(static_cast<size_t>(width_ * height_ * 4));
        push_target(t);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bytes_.data());
        pop_target();
    }
    // Pixel (x, y) counted from the top left.
    Pixel at(int x, int y) const {
        const uint8_t* p = &bytes_[static_cast<size_t>(((height_ - 1 - y) * width_ + x) * 4)];
        return {p[0], p[1], p[2], p[3]};
    }
    friend bool operator==(const Snapshot&, const Snapshot&) = default;

  private:
    int width_;
    int height_;
    std::vector<uint8_t> bytes_;
};

// Maps a pixel (x, y) of a drawn cell to the glyph pixel it shows.
using CellMap = std::function<std::pair<int, int>(int x, int y)>;

// Checks the 64 pixels of cell (column, row) against glyph rows seen through map.
void expect_cell(const Snapshot& s, int column, int row, const std::vector<std::string>& glyph,
                 const Pixel& colour, const CellMap& map, const std::string& what) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            auto [gx, gy] = map(x, y);
            const Pixel want = ink(glyph[static_cast<size_t>(gy)][static_cast<size_t>(gx)], colour);
            const Pixel got = s.at(column * 8 + x, row * 8 + y);
            EXPECT_TRUE(near(got, want, 1))
                << what << " pixel (" << x << "," << y << "): " << got << " want " << want;
        }
}

std::pair<int, int> upright(int x, int y) {
    return {x, y};
}

void expect_blank_cell(const Snapshot& s, int column, int row) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(s.at(column * 8 + x, row * 8 + y), CLEAR) << "cell " << column << "," << row;
}

class TextScreenGui : public testing::Test {
  protected:
    void SetUp() override {
        LUM_REQUIRE_GL();
        static bool built = [] {
            build_system_font(RGBA(0, 0, 0, 0));
            return true;
        }();
        ASSERT_TRUE(built);
    }
};

TEST_F(TextScreenGui, PageThreeGlyphsShowTheirSourcePixelsInPaletteColours) {
    TextScreen screen;
    screen.resize(4, 2);
    ASSERT_EQ(screen.target().width(), 32);
    ASSERT_EQ(screen.target().height(), 16);
    screen.current_colour = 50;
    screen.print(0, 0, "A");
    screen.current_colour = 59;
    screen.print(1, 1, "F");
    // Code 200 wraps to 72 on an ASCII page; 16 lies below the first code and
    // shows the test pattern of texture cell (0, 1).
    screen.current_colour = 7;
    screen.print(2, 0, u"\u00C8\u0010");
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 4);

    Snapshot s(screen.target());
    expect_cell(s, 0, 0, PAGE3_A, Pixel{0, 120, 248, 255}, upright, "A in colour 50");
    expect_cell(s, 1, 1, PAGE3_F, Pixel{56, 216, 88, 255}, upright, "F in colour 59");
    const std::vector<std::string> page3_h = {"##...##.", "##x..##x", "##x..##x", "#######x",
                                              "##xxx##x", "##x..##x", "##x..##x", ".xx...xx"};
    expect_cell(s, 2, 0, page3_h, Pixel{255, 255, 255, 255}, upright, "code 200 as H");
    // Test pattern texel (c, r) = (255 - 2r, 255 - 2c, r + c): cell pixel (x, y) is texel (x, 8 + y).
    EXPECT_TRUE(near(s.at(24, 0), Pixel{239, 255, 8, 255}, 1)) << s.at(24, 0);
    EXPECT_TRUE(near(s.at(31, 7), Pixel{225, 241, 22, 255}, 1)) << s.at(31, 7);
    EXPECT_TRUE(near(s.at(27, 2), Pixel{235, 249, 13, 255}, 1)) << s.at(27, 2);
    expect_blank_cell(s, 1, 0);
    expect_blank_cell(s, 0, 1);
}

TEST_F(TextScreenGui, MirroredAndRotatedGlyphsTurnClockwiseAboutTheCellCentre) {
    TextScreen screen;
    screen.resize(8, 1);
    screen.current_colour = 7;
    // Left-right, top-bottom, both, 90, 180, 270, left-right then 90, plain.
    screen.print(0, 0,
                 u"\x02"
                 u"F\x03"
                 u"F\x04"
                 u"F\x01\x06"
                 u"F\x07"
                 u"F\x08"
                 u"F\x02\x06"
                 u"F\x01\x05"
                 u"F");
    screen.flush();
    ASSERT_EQ(screen.cells_drawn(), 8);
    Snapshot s(screen.target());
    const Pixel white{255, 255, 255, 255};
    // Screen pixel (x, y) of each cell shows the glyph pixel the map names.
    expect_cell(
        s, 0, 0, PAGE3_F, white, [](int x, int y) { return std::pair(7 - x, y); }, "mirror x");
    expect_cell(
        s, 1, 0, PAGE3_F, white, [](int x, int y) { return std::pair(x, 7 - y); }, "mirror y");
    expect_cell(
        s, 2, 0, PAGE3_F, white, [](int x, int y) { return std::pair(7 - x, 7 - y); }, "mirror both");
    // A quarter turn clockwise puts the glyph's top-left pixel at the cell's top right.
    expect_cell(
        s, 3, 0, PAGE3_F, white, [](int x, int y) { return std::pair(y, 7 - x); }, "90");
    expect_cell(
        s, 4, 0, PAGE3_F, white, [](int x, int y) { return std::pair(7 - x, 7 - y); }, "180");
    expect_cell(
        s, 5, 0, PAGE3_F, white, [](int x, int y) { return std::pair(7 - y, x); }, "270");
    // The mirror applies to the glyph before it turns.
    expect_cell(
        s, 6, 0, PAGE3_F, white, [](int x, int y) { return std::pair(7 - y, 7 - x); }, "mirror x, 90");
    expect_cell(s, 7, 0, PAGE3_F, white, upright, "plain");
}

TEST_F(TextScreenGui, UnchangedScreenFlushDrawsNothingAndKeepsItsPixels) {
    TextScreen screen;
    screen.resize(6, 2);
    screen.print(0, 0, "FAF");
    screen.print(2, 1, "AAA");
    screen.flush();
    ASSERT_EQ(screen.cells_drawn(), 6);
    const Snapshot first(screen.target());

    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 0);
    screen.print(0, 0, "FAF");
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 0);
    EXPECT_TRUE(Snapshot(screen.target()) == first);

    // A colour with alpha 0 draws nothing: the cell keeps its old pixels.
    screen.current_colour = 16;
    screen.print(0, 0, "A");
    screen.flush();
    EXPECT_TRUE(Snapshot(screen.target()) == first);
}

TEST_F(TextScreenGui, ScrollMovesThePixelsUpAndClearFillsTransparent) {
    TextScreen screen;
    screen.resize(2, 3);
    screen.current_colour = 50;
    screen.print(0, 0, "AA");
    screen.print(0, 1, "F");
    screen.print(1, 2, "A");
    screen.flush();

    screen.scroll();
    screen.flush();
    Snapshot s(screen.target());
    const Pixel blue{0, 120, 248, 255};
    expect_cell(s, 0, 0, PAGE3_F, blue, upright, "F moved to row 0");
    expect_cell(s, 1, 1, PAGE3_A, blue, upright, "A moved to row 1");
    expect_blank_cell(s, 1, 0);
    expect_blank_cell(s, 0, 1);
    // The new last row holds spaces, which are blank.
    expect_blank_cell(s, 0, 2);
    expect_blank_cell(s, 1, 2);

    screen.clear(Rect(0, 0, 1, 1));
    screen.flush();
    Snapshot cleared(screen.target());
    expect_blank_cell(cleared, 0, 0);
    expect_cell(cleared, 1, 1, PAGE3_A, blue, upright, "A outside the cleared cell");
}

TEST_F(TextScreenGui, ScreenDrawnIntoTheWindowAtTwiceItsSizeStaysUpright) {
    RendererState& r = renderer();
    r.screen_mode = LETTERBOX;
    r.screen_width = 256;
    r.screen_height = 224;
    r.window_width = 512;
    r.window_height = 448;
    TextScreen screen;
    screen.resize(256 / 8, 224 / 8);
    EXPECT_EQ(screen.columns(), 32);
    EXPECT_EQ(screen.rows(), 28);
    screen.current_colour = 50;
    screen.print(3, 2, "F");
    screen.flush();

    apply_window_target();
    clear_target(RGB(32, 32, 32));
    draw_target(screen.target(), 128, 112, 256, 224, 0);
    std::vector<uint8_t> window(512 * 448 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 512, 448, GL_RGBA, GL_UNSIGNED_BYTE, window.data());
    // Each screen pixel covers 2 x 2 window pixels; transparent ones show the backdrop.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const char p = PAGE3_F[static_cast<size_t>(y)][static_cast<size_t>(x)];
            const Pixel want = p == '#'   ? Pixel{0, 120, 248, 0}
                               : p == 'x' ? Pixel{0, 0, 0, 0}
                                          : Pixel{32, 32, 32, 0};
            const int wx = (24 + x) * 2 + 1;
            const int wy = (16 + y) * 2 + 1;
            const uint8_t* q = &window[static_cast<size_t>(((447 - wy) * 512 + wx) * 4)];
            EXPECT_TRUE(near(Pixel{q[0], q[1], q[2], 0}, want, 1)) << "(" << x << "," << y << ")";
        }
}

TEST_F(TextScreenGui, ResizeToZeroByThreeHundredGivesAOneByTwoFiftySixScreen) {
    TextScreen screen;
    screen.resize(0, 300);
    EXPECT_EQ(screen.target().width(), 8);
    EXPECT_EQ(screen.target().height(), 2048);
    screen.print(0, 255, "A");
    screen.flush();
    EXPECT_EQ(screen.cells_drawn(), 1);
    Snapshot s(screen.target());
    expect_cell(s, 0, 255, PAGE3_A, Pixel{248, 248, 248, 255}, upright, "A in the last row");
    screen.destroy();
    EXPECT_EQ(screen.target().texture(), 0u);
}

} // namespace
