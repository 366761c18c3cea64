#include "lum/graphics/colour_list.hpp"
#include "lum/graphics/gl/gl_info.hpp"
#include "lum/graphics/point.hpp"
#include "lum/graphics/rect.hpp"
#include "lum/graphics/render_target.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

using namespace lum;

TEST(PointAndRect, PrintThemselvesWithSignedNumbers) {
    EXPECT_EQ(Point(3, -4).to_string(), String("(3,-4)"));
    EXPECT_EQ(Rect(1, -2, 30, 40).to_string(), String("(1,-2,30,40)"));
    const ToStringInterface& p = Point(0, 0);
    EXPECT_EQ(p.to_string(), String("(0,0)"));
}

TEST(ColourList, MissingCornersAreOpaqueWhite) {
    const RGBA white(255, 255, 255, 255);
    ColourList empty;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(empty.corner(i), white);
    ColourList two;
    two.push_back(RGBA(1, 2, 3, 4));
    two.push_back(RGBA(5, 6, 7, 8));
    EXPECT_EQ(two.corner(1), RGBA(5, 6, 7, 8));
    EXPECT_EQ(two.corner(2), white);
    EXPECT_EQ(two.corner(3), white);
    ColourList one(RGBA(9, 9, 9, 9));
    EXPECT_EQ(one.corner(3), RGBA(9, 9, 9, 9));
    ColourList four(RGBA(1, 0, 0, 1), RGBA(2, 0, 0, 1), RGBA(3, 0, 0, 1), RGBA(4, 0, 0, 1));
    EXPECT_EQ(four.corner(2).r, 3);
    EXPECT_EQ(four.corner(-1), white);
}

TEST(RenderTarget, SetAlphaClampsAndWhitensAllCorners) {
    RenderTarget t;
    t.corners[0] = RGBA(1, 2, 3, 4);
    t.set_alpha(300);
    for (const RGBA& c : t.corners)
        EXPECT_EQ(c, RGBA(255, 255, 255, 255));
    t.set_alpha(-1);
    EXPECT_EQ(t.corners[2].a, 0);
    t.set_alpha(0.5f);
    EXPECT_EQ(t.corners[1].a, 127); // trunc(127.5)
    t.set_alpha(2.0);
    EXPECT_EQ(t.corners[3].a, 255);
    t.set_alpha(1e30f);
    EXPECT_EQ(t.corners[3].a, 255);
    t.set_alpha(std::nanf(""));
    EXPECT_EQ(t.corners[0].a, 0);
}

TEST(RenderTarget, NewTargetIsWhiteWithAlphaBlendingAndNoObjects) {
    RenderTarget t;
    EXPECT_EQ(t.source_blend, 0x302u);
    EXPECT_EQ(t.destination_blend, 0x303u);
    EXPECT_EQ(t.corners[0], RGBA(255, 255, 255, 255));
    EXPECT_EQ(t.texture(), 0u);
    EXPECT_EQ(t.framebuffer(), 0u);
}

TEST(LeadingNumber, ReadsTheVersionNumberAtTheStartOfDriverText) {
    EXPECT_DOUBLE_EQ(leading_number(String("4.5 (Compatibility Profile) Mesa 22.3.6")), 4.5);
    EXPECT_DOUBLE_EQ(leading_number(String("1.1.0")), 1.1);
    EXPECT_DOUBLE_EQ(leading_number(String("  2.1 Mesa")), 2.1);
    EXPECT_DOUBLE_EQ(leading_number(String("-1.5x")), -1.5);
    EXPECT_DOUBLE_EQ(leading_number(String("")), 0);
    EXPECT_DOUBLE_EQ(leading_number(String("OpenGL ES 3.2")), 0);
}

TEST(LeadingNumber, IgnoresALocaleWithADecimalComma) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    double v = leading_number(String("4.5 (Compatibility Profile)"));
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_DOUBLE_EQ(v, 4.5);
}
