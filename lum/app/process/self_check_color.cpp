#include "lum/app/process/self_check.hpp"
#include "lum/graphics/colour.hpp"

namespace lum {

namespace {

bool same(const RGB& a, int r, int g, int b) {
    return a == RGB(r, g, b);
}

} // namespace

// Known answers worked by hand from the conversion formulas.
SelfCheck unit_test_color() {
    SelfCheck check("UnitTest_Color");

    check.expect_text(RGB(255, 128, 0).to_string(), "RGB(255,128,000)", "RGB to_string");
    check.expect_text(RGBA(RGB(1, 2, 3)).to_string(), "RGBA(001,002,003,255)", "RGBA to_string");
    check.expect(same(RGB(-1, 256, 99), 0, 255, 99), "RGB clamps to 0..255");
    check.expect(same(RGBf(RGB(255, 128, 0)).rgb(), 255, 128, 0), "RGB through RGBf and back");
    check.expect_text(RGBf(1.0f, 0.5f, 0.0f).to_string(), "RGB(255,127,000)", "RGBf truncates when printed");
    check.expect(same(RGBf(1.0f, 0.5f, 0.0f).rgb(), 255, 128, 0), "RGBf rounds when converted");

    check.expect_text(CMY(RGBf(RGB(255, 128, 0))).to_string(), "CMY(0,50,100)", "CMY of orange");
    CMYK black(RGBf(0, 0, 0));
    check.expect(black.k == 1.0f && black.c == 0.0f, "CMYK of black");
    check.expect_text(black.to_string(), "CMYK(0,0,0,100)", "CMYK of black printed");
    check.expect_text(CMYK(RGBf(RGB(128, 64, 32))).to_string(), "CMYK(0,50,75,50)", "CMYK of brown");
    check.expect(same(CMYK(0.5f, 0.0f, 0.0f, 0.5f).rgb(), 64, 128, 128), "CMYK back");

    check.expect_text(YIQ(RGBf(0, 1, 0)).to_string(), "YIQ(0.587,-0.275,-0.497)", "YIQ of green");
    check.expect_text(YUV(RGBf(1, 1, 1)).to_string(), "YUV(1.000,0.000,0.000)", "YUV of white");
    check.expect_text(YPbPr(RGBf(0, 0, 1)).to_string(), "YPbPr(0.072,0.500,-0.046)", "YPbPr of blue");
    check.expect_text(YCbCr(RGBf(1, 0, 0)).to_string(), "YCbCr(0.299,-0.169,0.500)", "YCbCr of red");

    check.expect_text(HSV(RGBf(1, 0, 0)).to_string(), "HSV(0,100,100)", "HSV of red");
    check.expect_text(HSV(RGBf(0, 0, 1)).to_string(), "HSV(67,100,100)", "HSV of blue");
    check.expect_text(HSL(RGBf(1, 1, 0)).to_string(), "HSL(17,100,50)", "HSL of yellow");
    check.expect(same(HSV(0.5f, 0.5f, 1.0f).rgb(), 128, 255, 255), "HSV back");
    check.expect(same(HSL(0.0f, 1.0f, 0.75f).rgb(), 255, 128, 128), "HSL back");
    check.expect(same(HSV(-0.5f, 0.5f, 1.0f).rgb(), 128, 255, 255), "HSV hue wraps");

    // Every model carries the primaries, white and black there and back.
    const RGB colours[] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    bool all = true;
    for (const RGB& c : colours) {
        RGBf f(c);
        all = all && f.rgb() == c && CMY(f).rgb() == c && CMYK(f).rgb() == c && YIQ(f).rgb() == c &&
              YUV(f).rgb() == c && YPbPr(f).rgb() == c && YCbCr(f).rgb() == c && HSV(f).rgb() == c &&
              HSL(f).rgb() == c;
    }
    check.expect(all, "round trips through every model");

    return check;
}

} // namespace lum
