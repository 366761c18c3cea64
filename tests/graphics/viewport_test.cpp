#include "lum/graphics/renderer.hpp"

#include <gtest/gtest.h>

using namespace lum;

namespace {
void expect_area(std::optional<ViewportArea> v, float x, float y, float w, float h) {
    ASSERT_TRUE(v.has_value());
    EXPECT_FLOAT_EQ(v->x, x);
    EXPECT_FLOAT_EQ(v->y, y);
    EXPECT_FLOAT_EQ(v->width, w);
    EXPECT_FLOAT_EQ(v->height, h);
}
} // namespace

TEST(WindowViewport, LetterboxKeepsTheScreenShapeCentred) {
    // A window wider than the screen's shape: bars left and right.
    expect_area(window_viewport(LETTERBOX, 1, 320, 240, 1000, 600), 100, 0, 800, 600);
    // A taller one: bars above and below.
    expect_area(window_viewport(LETTERBOX, 1, 320, 240, 640, 600), 0, 60, 640, 480);
    // The same shape fills the window.
    expect_area(window_viewport(LETTERBOX, 1, 256, 224, 512, 448), 0, 0, 512, 448);
    // Sizes that do not divide evenly: 256 x 600 / 224 = 685 (whole pixels), x = (1000 - 685) / 2.
    expect_area(window_viewport(LETTERBOX, 1, 256, 224, 1000, 600), 157.5f, 0, 685, 600);
}

TEST(WindowViewport, FixedScaleIsCentredAndMayOverflowTheWindow) {
    expect_area(window_viewport(FIXED_SCALE, 1, 256, 224, 768, 672), 256, 224, 256, 224);
    expect_area(window_viewport(FIXED_SCALE, 2, 320, 240, 500, 400), -70, -40, 640, 480);
    expect_area(window_viewport(FIXED_SCALE, 3, 256, 224, 768, 672), 0, 0, 768, 672);
}

TEST(WindowViewport, StretchFillsTheWindowAndUnknownModesGiveNothing) {
    expect_area(window_viewport(STRETCH, 1, 320, 240, 1000, 600), 0, 0, 1000, 600);
    EXPECT_FALSE(window_viewport(3, 1, 320, 240, 1000, 600).has_value());
    EXPECT_FALSE(window_viewport(-1, 1, 320, 240, 1000, 600).has_value());
}

TEST(WindowViewport, LetterboxOfAnEmptyScreenFillsTheWindowInsteadOfDividingByZero) {
    expect_area(window_viewport(LETTERBOX, 1, 0, 0, 640, 480), 0, 0, 640, 480);
    expect_area(window_viewport(LETTERBOX, 1, 320, 240, 640, 0), 0, 0, 640, 0);
}
