#include "gl_test_window.hpp"

#include "lum/graphics/draw.hpp"

#include <gtest/gtest.h>

using namespace lum;
using namespace lum::test;

namespace {

const RGBA RED(255, 0, 0, 255);
const RGBA GREEN(0, 255, 0, 255);
const RGBA BLUE(0, 0, 255, 255);
const Pixel CLEAR{0, 0, 0, 0};
const Pixel WHITE{255, 255, 255, 255};

// Runs draw with target t current, after clearing it to transparent black.
template <typename F>
void paint(RenderTarget& t, F draw) {
    push_target(t);
    clear_target(RGBA(0, 0, 0, 0));
    draw();
    pop_target();
}

} // namespace

TEST(ClearTarget, FillsWithTheColourAndSetsBlendingByItsAlpha) {
    LUM_REQUIRE_GL();
    RenderTarget t(8, 8);
    push_target(t);
    clear_target(RGBA(10, 20, 30, 255));
    EXPECT_EQ(pixel_at(3, 3, 8), (Pixel{10, 20, 30, 255}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    clear_target(RGB(200, 100, 50));
    EXPECT_EQ(pixel_at(0, 7, 8), (Pixel{200, 100, 50, 255}));
    clear_target(RGBA(0, 0, 255, 128));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    // The clear itself is not blended.
    EXPECT_EQ(pixel_at(0, 0, 8), (Pixel{0, 0, 255, 128}));
    pop_target();
}

TEST(ClearTarget, BlendStateItLeavesDecidesHowTheNextDrawingCombines) {
    LUM_REQUIRE_GL();
    RenderTarget t(8, 8);
    push_target(t);
    // Alpha 0: blending off, so a half-transparent rectangle replaces the pixels.
    clear_target(RGBA(0, 0, 0, 0));
    draw_rect(ColourList(RGBA(255, 0, 0, 128)), 0, 0, 8, 8);
    EXPECT_EQ(pixel_at(4, 4, 8), (Pixel{255, 0, 0, 128}));
    // Alpha 128: blending on. Worked by hand with a = 128/255:
    // r = 255a = 128, b = 255(1 - a) = 127, alpha = 128a + 128(1 - a) = 128.
    clear_target(RGBA(0, 0, 255, 128));
    draw_rect(ColourList(RGBA(255, 0, 0, 128)), 0, 0, 8, 8);
    EXPECT_TRUE(near(pixel_at(4, 4, 8), Pixel{128, 0, 127, 128}, 1)) << pixel_at(4, 4, 8);
    pop_target();
}

TEST(ClearViewport, ClearsTheViewportsPixelsAsAFilledRectangleOverTheScreenWould) {
    LUM_REQUIRE_GL();
    RenderTarget cleared(16, 16);
    RenderTarget filled(16, 16);
    // Viewport x 3..9 and, counted from the top of 16 rows, y 7..10.
    auto in_viewport = [](RenderTarget& t, auto draw) {
        push_target(t);
        clear_target(BLUE);
        glViewport(3, 5, 7, 4);
        draw();
        pop_target();
    };
    in_viewport(cleared, [] { clear_viewport(RED); });
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    in_viewport(filled, [] { draw_rect(ColourList(RED), 0, 0, 16, 16); });
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 3 && x <= 9 && y >= 7 && y <= 10;
            const Pixel expected = inside ? Pixel{255, 0, 0, 255} : Pixel{0, 0, 255, 255};
            ASSERT_EQ(pixel_of(cleared, x, y), expected) << x << "," << y;
            ASSERT_EQ(pixel_of(filled, x, y), expected) << x << "," << y;
        }
}

TEST(ClearTargetRect, ClearsThePixelsAFilledRectangleCoversClippedToTheTarget) {
    LUM_REQUIRE_GL();
    struct Case {
        int x, y, width, height;
        // The pixels left red, worked by hand: columns x0..x1, rows y0..y1 from the top.
        int x0, x1, y0, y1;
    };
    const Case cases[] = {
        {2, 3, 5, 4, 2, 6, 3, 6},
        {-2, 10, 5, 5, 0, 2, 10, 11},
        {14, -1, 9, 2, 14, 15, 0, 0},
    };
    for (const Case& c : cases) {
        RenderTarget cleared(16, 12);
        RenderTarget filled(16, 12);
        push_target(cleared);
        clear_target(BLUE);
        clear_target_rect(RED, c.x, c.y, c.width, c.height);
        EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
        pop_target();
        push_target(filled);
        clear_target(BLUE);
        draw_rect(ColourList(RED), static_cast<float>(c.x), static_cast<float>(c.y), c.width, c.height);
        pop_target();
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool inside = x >= c.x0 && x <= c.x1 && y >= c.y0 && y <= c.y1;
                const Pixel expected = inside ? Pixel{255, 0, 0, 255} : Pixel{0, 0, 255, 255};
                ASSERT_EQ(pixel_of(cleared, x, y), expected) << c.x << " " << x << "," << y;
                ASSERT_EQ(pixel_of(filled, x, y), expected) << c.x << " " << x << "," << y;
            }
    }
}

TEST(DrawRect, CornersTakeTheirColoursAndMissingOnesAreWhite) {
    LUM_REQUIRE_GL();
    RenderTarget t(64, 64);
    paint(t, [] { draw_rect(ColourList(RED, GREEN, BLUE, RGBA(0, 0, 0, 255)), 0, 0, 64, 64); });
    // Corner pixels lie half a pixel inside the corners: within a few levels of them.
    EXPECT_TRUE(near(pixel_of(t, 0, 0), Pixel{255, 0, 0, 255}, 8)) << pixel_of(t, 0, 0);
    EXPECT_TRUE(near(pixel_of(t, 63, 0), Pixel{0, 255, 0, 255}, 8)) << pixel_of(t, 63, 0);
    EXPECT_TRUE(near(pixel_of(t, 63, 63), Pixel{0, 0, 255, 255}, 8)) << pixel_of(t, 63, 63);
    EXPECT_TRUE(near(pixel_of(t, 0, 63), Pixel{0, 0, 0, 255}, 8)) << pixel_of(t, 0, 63);

    paint(t, [] { draw_rect(ColourList(), 0, 0, 64, 64); });
    EXPECT_EQ(pixel_of(t, 10, 50), WHITE);

    ColourList two;
    two.push_back(RED);
    two.push_back(RED);
    paint(t, [&] { draw_rect(two, 0, 0, 64, 64); });
    EXPECT_TRUE(near(pixel_of(t, 32, 0), Pixel{255, 0, 0, 255}, 8));
    EXPECT_TRUE(near(pixel_of(t, 32, 63), WHITE, 8));
}

TEST(DrawRect, CoversExactlyItsPixelsAndRotatesAboutItsCentre) {
    LUM_REQUIRE_GL();
    RenderTarget t(32, 32);
    paint(t, [] { draw_rect(ColourList(GREEN), 4, 6, 10, 8); });
    EXPECT_EQ(pixel_of(t, 4, 6), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 13, 13), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 3, 6), CLEAR);
    EXPECT_EQ(pixel_of(t, 14, 13), CLEAR);
    EXPECT_EQ(pixel_of(t, 13, 14), CLEAR);
    // A 20 x 4 bar turned 90 degrees about (16, 16) becomes 4 x 20.
    paint(t, [] { draw_rect(ColourList(GREEN), 6, 14, 20, 4, 0, 90); });
    EXPECT_EQ(pixel_of(t, 16, 7), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 16, 24), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 8, 16), CLEAR);
}

TEST(DrawRect, OutlineLeavesTheInsideEmpty) {
    LUM_REQUIRE_GL();
    RenderTarget t(32, 32);
    // Centre (10, 10), half size 5: lines at x = 4.5 and 14.5, y = 5.5 and 15.5.
    paint(t, [] { draw_rect(ColourList(BLUE), 5, 5, 10, 10, 1); });
    EXPECT_EQ(pixel_of(t, 4, 10), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(t, 14, 10), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(t, 10, 5), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(t, 10, 15), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(t, 10, 10), CLEAR);
    EXPECT_EQ(pixel_of(t, 20, 20), CLEAR);
}

TEST(DrawRoundRect, CornersOutsideTheRadiusStayUntouched) {
    LUM_REQUIRE_GL();
    RenderTarget t(40, 40);
    paint(t, [] { draw_round_rect(ColourList(), 0, 0, 40, 40, 10); });
    // The corner pixels lie about 13 pixels from the corner circles' centres.
    EXPECT_EQ(pixel_of(t, 0, 0), CLEAR);
    EXPECT_EQ(pixel_of(t, 39, 0), CLEAR);
    EXPECT_EQ(pixel_of(t, 39, 39), CLEAR);
    EXPECT_EQ(pixel_of(t, 0, 39), CLEAR);
    EXPECT_EQ(pixel_of(t, 1, 1), CLEAR);
    // Inside the circles and along the straight edges the rectangle is drawn.
    EXPECT_EQ(pixel_of(t, 20, 20), WHITE);
    EXPECT_EQ(pixel_of(t, 20, 0), WHITE);
    EXPECT_EQ(pixel_of(t, 0, 20), WHITE);
    EXPECT_EQ(pixel_of(t, 5, 5), WHITE);
    // The mask is ended: no stencil test, colour writes on.
    push_target(t);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    GLboolean mask[4];
    glGetBooleanv(GL_COLOR_WRITEMASK, mask);
    EXPECT_TRUE(mask[0] && mask[1] && mask[2] && mask[3]);
    pop_target();
}

TEST(DrawRoundRect, RadiusIsLimitedToHalfTheShorterSide) {
    LUM_REQUIRE_GL();
    RenderTarget t(40, 20);
    // The radius becomes 10: the ends are half circles and the top runs flat from x = 10 to 30.
    paint(t, [] { draw_round_rect(ColourList(GREEN), 0, 0, 40, 20, 100); });
    EXPECT_EQ(pixel_of(t, 20, 0), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 12, 0), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 0, 10), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(t, 1, 1), CLEAR);
    EXPECT_EQ(pixel_of(t, 38, 18), CLEAR);
    // A radius of 0 is a plain rectangle.
    paint(t, [] { draw_round_rect(ColourList(GREEN), 0, 0, 40, 20, 0); });
    EXPECT_EQ(pixel_of(t, 0, 0), (Pixel{0, 255, 0, 255}));
}

TEST(DrawTarget, PutsOneTargetIntoAnotherUprightAndInPlace) {
    LUM_REQUIRE_GL();
    RenderTarget source(4, 4);
    // Top half red, bottom half blue.
    paint(source, [] {
        draw_rect(ColourList(RED), 0, 0, 4, 2);
        draw_rect(ColourList(BLUE), 0, 2, 4, 2);
    });
    RenderTarget dest(8, 8);
    paint(dest, [&] { draw_target(source, 2, 2, 4, 4); });
    EXPECT_EQ(pixel_of(dest, 2, 2), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_of(dest, 5, 3), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_of(dest, 2, 5), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(dest, 1, 2), CLEAR);
    EXPECT_EQ(pixel_of(dest, 6, 6), CLEAR);

    // Centred form, turned 180 degrees: blue on top.
    paint(dest, [&] { draw_target(source, 4, 4, 4, 4, 180); });
    EXPECT_EQ(pixel_of(dest, 3, 2), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(dest, 3, 5), (Pixel{255, 0, 0, 255}));

    // Scaled up to fill the whole target.
    paint(dest, [&] { draw_target(source, 4, 4, 8, 8, 0); });
    EXPECT_EQ(pixel_of(dest, 0, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_of(dest, 7, 7), (Pixel{0, 0, 255, 255}));
}

TEST(DrawTarget, CornerColoursTintAndAllTransparentCornersDrawNothing) {
    LUM_REQUIRE_GL();
    RenderTarget source(4, 4);
    paint(source, [] { draw_rect(ColourList(), 0, 0, 4, 4); });
    RenderTarget dest(4, 4);

    source.corners = {GREEN, GREEN, GREEN, GREEN};
    paint(dest, [&] { draw_target(source, 0, 0, 4, 4); });
    EXPECT_EQ(pixel_of(dest, 1, 1), (Pixel{0, 255, 0, 255}));

    push_target(dest);
    clear_target(RGBA(0, 0, 255, 255));
    source.set_alpha(0);
    draw_target(source, 0, 0, 4, 4);
    EXPECT_EQ(pixel_at(1, 1, 4), (Pixel{0, 0, 255, 255}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "nothing at all happened";

    // White at half opacity over opaque blue, worked by hand with a = 127/255:
    // r = g = 255a = 127, b = 255a + 255(1 - a) = 255, alpha = 255(a a + (1 - a)) = 191.
    source.set_alpha(0.5f);
    draw_target(source, 0, 0, 4, 4);
    EXPECT_TRUE(near(pixel_at(1, 1, 4), Pixel{127, 127, 255, 191}, 1)) << pixel_at(1, 1, 4);
    pop_target();
}

TEST(DrawRoundRect, LaterQuadsShowNoSeamAlongTheirDiagonal) {
    LUM_REQUIRE_GL();
    RenderTarget t(32, 32);
    paint(t, [] {
        draw_round_rect(ColourList(), 0, 0, 8, 8, 2);
        // Blending on, then a quad whose two triangles meet on the diagonal.
        clear_target(RGBA(0, 0, 0, 128));
        clear_target(RGBA(0, 0, 0, 0));
        glEnable(GL_BLEND);
        draw_rect(ColourList(RGBA(255, 0, 0, 255)), 0, 0, 32, 32);
    });
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(pixel_of(t, i, i), (Pixel{255, 0, 0, 255})) << i;
    // Not every driver honours polygon smoothing; none may see it left on.
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));
}

TEST(DrawTarget, QuadsInARowShowTheirOwnTexturesAndShapesAfterThemNone) {
    LUM_REQUIRE_GL();
    RenderTarget red(2, 2);
    paint(red, [] { draw_rect(ColourList(RED), 0, 0, 2, 2); });
    RenderTarget dest(10, 2);
    {
        // Drawn and deleted; the next target made may get its texture name.
        RenderTarget blue(2, 2);
        paint(blue, [] { draw_rect(ColourList(BLUE), 0, 0, 2, 2); });
        paint(dest, [&] {
            draw_target(red, 0, 0, 2, 2);
            draw_target(blue, 2, 0, 2, 2);
            draw_target(red, 4, 0, 2, 2);
            draw_rect(ColourList(GREEN), 6, 0, 2, 2);
            draw_round_rect(ColourList(GREEN), 8, 0, 2, 2, 0);
        });
    }
    EXPECT_EQ(pixel_of(dest, 0, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_of(dest, 2, 1), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixel_of(dest, 5, 1), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixel_of(dest, 6, 0), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(pixel_of(dest, 9, 1), (Pixel{0, 255, 0, 255}));

    RenderTarget green(2, 2);
    paint(green, [] { draw_rect(ColourList(GREEN), 0, 0, 2, 2); });
    paint(dest, [&] { draw_target(green, 0, 0, 2, 2); });
    EXPECT_EQ(pixel_of(dest, 1, 1), (Pixel{0, 255, 0, 255}));
}
