#include "lum/graphics/colour.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace lum;

namespace {

std::string text(const ToStringInterface& value) {
    return value.to_string().to_utf8();
}

// The 8-bit colour as "r,g,b", so failures show all three components.
std::string triple(const RGB& c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

const float not_a_number = std::numeric_limits<float>::quiet_NaN();

} // namespace

TEST(Colour, EightBitRecordsPrintThreeDigitComponents) {
    EXPECT_EQ(text(RGB(255, 128, 0)), "RGB(255,128,000)");
    EXPECT_EQ(text(RGB(7, 40, 200)), "RGB(007,040,200)");
    EXPECT_EQ(text(RGBA(255, 128, 0, 64)), "RGBA(255,128,000,064)");
    EXPECT_EQ(text(RGBA(RGB(1, 2, 3))), "RGBA(001,002,003,255)");
    EXPECT_EQ(triple(RGBA(9, 8, 7, 6).rgb()), "9,8,7");
}

TEST(Colour, ConstructorsClampEveryComponent) {
    EXPECT_EQ(triple(RGB(-5, 300, 128)), "0,255,128");
    RGBA a(256, -1, 0, 999);
    EXPECT_EQ(text(a), "RGBA(255,000,000,255)");
    EXPECT_EQ(RGBA(RGB(1, 1, 1), -20).a, 0);

    RGBf f(-0.5f, 2.0f, not_a_number);
    EXPECT_EQ(f.r, 0.0f);
    EXPECT_EQ(f.g, 1.0f);
    EXPECT_EQ(f.b, 0.0f);

    CMYK k(1.5f, -1.0f, 0.25f, not_a_number);
    EXPECT_EQ(k.c, 1.0f);
    EXPECT_EQ(k.m, 0.0f);
    EXPECT_EQ(k.y, 0.25f);
    EXPECT_EQ(k.k, 0.0f);

    // Luma is clamped; the colour differences are signed and kept.
    YUV yuv(2.0f, -3.0f, 4.0f);
    EXPECT_EQ(yuv.y, 1.0f);
    EXPECT_EQ(yuv.u, -3.0f);
    EXPECT_EQ(yuv.v, 4.0f);
    EXPECT_EQ(YCbCr(-1.0f, -0.5f, 0.5f).y, 0.0f);

    // Hue is kept as given; saturation, value and lightness are clamped.
    HSV hsv(1.5f, 2.0f, -1.0f);
    EXPECT_EQ(hsv.h, 1.5f);
    EXPECT_EQ(hsv.s, 1.0f);
    EXPECT_EQ(hsv.v, 0.0f);
    HSL hsl(-0.25f, not_a_number, 7.0f);
    EXPECT_EQ(hsl.h, -0.25f);
    EXPECT_EQ(hsl.s, 0.0f);
    EXPECT_EQ(hsl.l, 1.0f);
}

TEST(Colour, FloatRgbTruncatesWhenPrintedAndRoundsWhenConverted) {
    EXPECT_EQ(text(RGBf(1.0f, 0.5f, 0.0f)), "RGB(255,127,000)");
    EXPECT_EQ(triple(RGBf(1.0f, 0.5f, 0.0f).rgb()), "255,128,0");
    EXPECT_EQ(triple(RGBf(RGB(255, 128, 0)).rgb()), "255,128,0");
    EXPECT_EQ(text(RGBf(RGB(255, 128, 0))), "RGB(255,128,000)");
    // 0.498 * 255 = 126.99: the integer part of x + 0.5 rounds it up.
    EXPECT_EQ(triple(RGB(RGBf(0.498f, 0.002f, 0.001f))), "127,1,0");

    // Every 8-bit value survives the trip through floats, printed and converted.
    for (int v = 0; v < 256; ++v) {
        RGBf f(RGB(v, 255 - v, v / 2));
        ASSERT_EQ(triple(f.rgb()), triple(RGB(v, 255 - v, v / 2))) << v;
        ASSERT_EQ(text(f), text(RGB(v, 255 - v, v / 2))) << v;
    }
}

TEST(Colour, CmyAndCmykOfKnownColours) {
    EXPECT_EQ(text(CMY(RGBf(RGB(255, 128, 0)))), "CMY(0,50,100)");
    EXPECT_EQ(text(CMYK(RGBf(RGB(255, 128, 0)))), "CMYK(0,50,100,0)");

    CMYK black(RGBf(0, 0, 0));
    EXPECT_EQ(black.c, 0.0f);
    EXPECT_EQ(black.m, 0.0f);
    EXPECT_EQ(black.y, 0.0f);
    EXPECT_EQ(black.k, 1.0f);
    EXPECT_EQ(text(black), "CMYK(0,0,0,100)");
    EXPECT_EQ(text(CMYK(RGBf(1, 1, 1))), "CMYK(0,0,0,0)");
    EXPECT_EQ(text(CMY(RGBf(0, 0, 0))), "CMY(100,100,100)");

    // (128,64,32): k = 1 - 128/255, m = (64/255)/(128/255) = 0.5, y = 0.75.
    CMYK brown(RGBf(RGB(128, 64, 32)));
    EXPECT_NEAR(brown.c, 0.0, 1e-6);
    EXPECT_NEAR(brown.m, 0.5, 1e-6);
    EXPECT_NEAR(brown.y, 0.75, 1e-6);
    EXPECT_NEAR(brown.k, 127.0 / 255.0, 1e-6);
    EXPECT_EQ(text(brown), "CMYK(0,50,75,50)");
    EXPECT_EQ(triple(brown.rgb()), "128,64,32");

    // Black ink at full strength hides the colour inks.
    EXPECT_EQ(triple(CMYK(0.3f, 0.6f, 0.9f, 1.0f).rgb()), "0,0,0");
    // 50% cyan over 50% black: R = 1 - (0.5 * 0.5 + 0.5) = 0.25.
    EXPECT_EQ(triple(CMYK(0.5f, 0, 0, 0.5f).rgb()), "64,128,128");
}

TEST(Colour, CmykSeenAsCmyStillConvertsWithItsBlack) {
    CMYK grey(0, 0, 0, 0.5f);
    const CMY& base = grey;
    EXPECT_EQ(triple(base.rgb()), "128,128,128");
    EXPECT_EQ(text(base), "CMYK(0,0,0,50)");
}

TEST(Colour, LumaModelsOfPrimaries) {
    // The weights of each model are its luma for the pure primaries.
    EXPECT_EQ(text(YIQ(RGBf(0, 1, 0))), "YIQ(0.587,-0.275,-0.497)");
    EXPECT_EQ(text(YUV(RGBf(0, 0, 1))), "YUV(0.114,0.500,-0.081)");
    EXPECT_EQ(text(YPbPr(RGBf(0, 0, 1))), "YPbPr(0.072,0.500,-0.046)");
    EXPECT_EQ(text(YCbCr(RGBf(1, 0, 0))), "YCbCr(0.299,-0.169,0.500)");

    YUV white(RGBf(1, 1, 1));
    EXPECT_EQ(white.y, 1.0f);
    EXPECT_NEAR(white.u, 0.0, 0.0005);
    EXPECT_NEAR(white.v, 0.0, 0.0005);
    EXPECT_EQ(triple(white.rgb()), "255,255,255");
    // Rounding residue of the colour differences prints without a sign.
    EXPECT_EQ(text(white), "YUV(1.000,0.000,0.000)");
    EXPECT_EQ(text(YIQ(RGBf(1, 1, 1))), "YIQ(1.000,0.000,0.000)");
    EXPECT_EQ(text(YPbPr(RGBf(1, 1, 1))), "YPbPr(1.000,0.000,0.000)");
    EXPECT_EQ(text(YCbCr(RGBf(1, 1, 1))), "YCbCr(1.000,0.000,0.000)");

    // Out of gamut comes back clamped: R = 1 + 1.402, G = 1 - 0.714, B = 1.
    EXPECT_EQ(triple(YUV(1.0f, 0.0f, 1.0f).rgb()), "255,73,255");
}

TEST(Colour, HueOfPrimariesAndSecondaries) {
    EXPECT_EQ(text(HSV(RGBf(1, 0, 0))), "HSV(0,100,100)");
    HSV blue(RGBf(0, 0, 1));
    EXPECT_NEAR(blue.h, 2.0 / 3.0, 1e-6);
    EXPECT_EQ(text(blue), "HSV(67,100,100)");
    EXPECT_EQ(text(HSV(RGBf(1, 1, 0))), "HSV(17,100,100)");
    EXPECT_EQ(text(HSV(RGBf(0, 1, 1))), "HSV(50,100,100)");
    EXPECT_EQ(text(HSV(RGBf(1, 0, 1))), "HSV(83,100,100)");

    EXPECT_EQ(text(HSL(RGBf(1, 0, 0))), "HSL(0,100,50)");
    EXPECT_EQ(text(HSL(RGBf(0, 1, 0))), "HSL(33,100,50)");
    EXPECT_EQ(text(HSL(RGBf(1, 1, 0))), "HSL(17,100,50)");
    EXPECT_EQ(text(HSL(RGBf(0, 1, 1))), "HSL(50,100,50)");
    EXPECT_EQ(text(HSL(RGBf(1, 0, 1))), "HSL(83,100,50)");

    // Greys have no hue and no saturation.
    EXPECT_EQ(text(HSV(RGBf(RGB(128, 128, 128)))), "HSV(0,0,50)");
    EXPECT_EQ(text(HSL(RGBf(RGB(128, 128, 128)))), "HSL(0,0,50)");

    // Orange: hue (128/255)/6 = 0.0837 of a turn.
    EXPECT_EQ(text(HSV(RGBf(RGB(255, 128, 0)))), "HSV(8,100,100)");
    EXPECT_EQ(text(HSL(RGBf(RGB(255, 128, 0)))), "HSL(8,100,50)");
}

TEST(Colour, HueConvertsBackAroundTheCircle) {
    // HSV (0.5, 0.5, 1): sixth 3, p = 0.5, q = 1, giving (p, q, v).
    EXPECT_EQ(triple(HSV(0.5f, 0.5f, 1.0f).rgb()), "128,255,255");
    // HSL (0, 1, 0.75): q = 1, p = 0.5; red high, green and blue low.
    EXPECT_EQ(triple(HSL(0.0f, 1.0f, 0.75f).rgb()), "255,128,128");
    EXPECT_EQ(text(HSL(RGBf(RGB(255, 128, 128)))), "HSL(0,100,75)");
    // HSL at a twelfth of a turn: green half way up.
    EXPECT_EQ(triple(HSL(1.0f / 12.0f, 1.0f, 0.5f).rgb()), "255,128,0");

    // A whole turn, a negative hue and several turns all land on the circle.
    EXPECT_EQ(triple(HSV(1.0f, 1.0f, 1.0f).rgb()), "255,0,0");
    EXPECT_EQ(triple(HSV(-0.5f, 0.5f, 1.0f).rgb()), "128,255,255");
    EXPECT_EQ(triple(HSV(2.5f, 0.5f, 1.0f).rgb()), "128,255,255");
    EXPECT_EQ(triple(HSL(1.0f, 1.0f, 0.5f).rgb()), "255,0,0");
    EXPECT_EQ(triple(HSL(-0.5f, 1.0f, 0.5f).rgb()), "0,255,255");
    EXPECT_EQ(triple(HSL(3.5f, 1.0f, 0.5f).rgb()), "0,255,255");
    EXPECT_EQ(text(HSV(-0.25f, 1.0f, 1.0f)), "HSV(-25,100,100)");

    // A hue that is not a number counts as red rather than breaking the lookup.
    EXPECT_EQ(triple(HSV(not_a_number, 1.0f, 1.0f).rgb()), "255,0,0");
    EXPECT_EQ(triple(HSL(not_a_number, 1.0f, 0.5f).rgb()), "255,0,0");
    EXPECT_EQ(triple(HSV(std::numeric_limits<float>::infinity(), 1.0f, 1.0f).rgb()), "255,0,0");
}

TEST(Colour, EveryModelReturnsPrimariesWhiteAndBlack) {
    const RGB colours[] = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0},   {0, 255, 0},
                           {0, 0, 255}, {255, 255, 0},   {0, 255, 255}, {255, 0, 255}};
    for (const RGB& c : colours) {
        RGBf f(c);
        std::string want = triple(c);
        EXPECT_EQ(triple(f.rgb()), want);
        EXPECT_EQ(triple(CMY(f).rgb()), want);
        EXPECT_EQ(triple(CMYK(f).rgb()), want);
        EXPECT_EQ(triple(YIQ(f).rgb()), want);
        EXPECT_EQ(triple(YUV(f).rgb()), want);
        EXPECT_EQ(triple(YPbPr(f).rgb()), want);
        EXPECT_EQ(triple(YCbCr(f).rgb()), want);
        EXPECT_EQ(triple(HSV(f).rgb()), want);
        EXPECT_EQ(triple(HSL(f).rgb()), want);
    }
}
