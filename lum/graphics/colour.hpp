#pragma once

#include "lum/graphics/to_string_interface.hpp"

#include <cstdint>

namespace lum {

// Colour records in eleven models. RGBf is the hub: every other model is built
// from an RGBf and converts back to 8-bit RGB with rgb(). Constructors keep
// components in range: 8-bit values are clamped to 0..255, unit floats to
// [0, 1] (a NaN becomes 0).

struct RGBf;

// 8-bit RGB, the colour that drawing uses.
struct RGB : ToStringInterface {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    RGB() = default;
    // Each component clamped to 0..255.
    RGB(int r, int g, int b);
    // Each component becomes the integer part of f * 255 + 0.5.
    explicit RGB(const RGBf& c);

    RGB rgb() const { return RGB(r, g, b); }
    // "RGB(255,128,000)".
    String to_string() const override;

    friend bool operator==(const RGB& a, const RGB& c) { return a.r == c.r && a.g == c.g && a.b == c.b; }
};

// 8-bit RGB with opacity (0 transparent, 255 opaque).
struct RGBA : RGB {
    uint8_t a = 0;

    RGBA() = default;
    // Each component clamped to 0..255.
    RGBA(int r, int g, int b, int a);
    // The colour with the given opacity, clamped to 0..255.
    explicit RGBA(const RGB& c, int a = 255);

    // The colour without its opacity.
    RGB rgb() const { return RGB(r, g, b); }
    // "RGBA(255,128,000,255)".
    String to_string() const override;

    friend bool operator==(const RGBA& x, const RGBA& y) {
        return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a;
    }
};

// Floating-point RGB, each component in [0, 1].
struct RGBf : ToStringInterface {
    float r = 0;
    float g = 0;
    float b = 0;

    RGBf() = default;
    // Each component clamped to [0, 1].
    RGBf(float r, float g, float b);
    // Each component divided by 255.
    explicit RGBf(const RGB& c);

    RGB rgb() const { return RGB(*this); }
    // The components times 255, truncated: RGBf(1, 0.5, 0) gives "RGB(255,127,000)".
    String to_string() const override;
};

// Subtractive cyan, magenta, yellow, each in [0, 1].
struct CMY : ToStringInterface {
    float c = 0;
    float m = 0;
    float y = 0;

    CMY() = default;
    // Each component clamped to [0, 1].
    CMY(float c, float m, float y);
    explicit CMY(const RGBf& colour);

    // Virtual so that a CMYK seen as a CMY still converts with its black.
    virtual RGB rgb() const;
    // Percentages: "CMY(0,50,100)".
    String to_string() const override;
};

// CMY with a separate black, each in [0, 1]; black is (0, 0, 0, 1).
struct CMYK : CMY {
    float k = 0;

    CMYK() = default;
    // Each component clamped to [0, 1].
    CMYK(float c, float m, float y, float k);
    explicit CMYK(const RGBf& colour);

    RGB rgb() const override;
    // Percentages: "CMYK(0,0,0,100)".
    String to_string() const override;
};

// NTSC luma and chroma; y in [0, 1], i and q signed.
struct YIQ : ToStringInterface {
    float y = 0;
    float i = 0;
    float q = 0;

    YIQ() = default;
    // y clamped to [0, 1]; i and q kept as given.
    YIQ(float y, float i, float q);
    explicit YIQ(const RGBf& colour);

    RGB rgb() const;
    // "YIQ(1.000,0.000,0.000)".
    String to_string() const override;
};

// PAL luma and colour difference; y in [0, 1], u and v signed.
struct YUV : ToStringInterface {
    float y = 0;
    float u = 0;
    float v = 0;

    YUV() = default;
    // y clamped to [0, 1]; u and v kept as given.
    YUV(float y, float u, float v);
    explicit YUV(const RGBf& colour);

    RGB rgb() const;
    // "YUV(1.000,0.000,0.000)".
    String to_string() const override;
};

// Analogue component video (BT.709 weights); y in [0, 1], pb and pr signed.
struct YPbPr : ToStringInterface {
    float y = 0;
    float pb = 0;
    float pr = 0;

    YPbPr() = default;
    // y clamped to [0, 1]; pb and pr kept as given.
    YPbPr(float y, float pb, float pr);
    explicit YPbPr(const RGBf& colour);

    RGB rgb() const;
    // "YPbPr(1.000,0.000,0.000)".
    String to_string() const override;
};

// Digital component video (JPEG weights, unscaled); y in [0, 1], cb and cr signed.
struct YCbCr : ToStringInterface {
    float y = 0;
    float cb = 0;
    float cr = 0;

    YCbCr() = default;
    // y clamped to [0, 1]; cb and cr kept as given.
    YCbCr(float y, float cb, float cr);
    explicit YCbCr(const RGBf& colour);

    RGB rgb() const;
    // "YCbCr(1.000,0.000,0.000)".
    String to_string() const override;
};

// Hue (in turns: 0 to 1 is one turn), saturation and value.
struct HSV : ToStringInterface {
    float h = 0;
    float s = 0;
    float v = 0;

    HSV() = default;
    // h kept as given (any number of turns); s and v clamped to [0, 1].
    HSV(float h, float s, float v);
    explicit HSV(const RGBf& colour);

    // Hue wraps: -0.25 and 1.75 are the same hue as 0.75. A hue that is not a
    // finite number counts as 0.
    RGB rgb() const;
    // Percentages: "HSV(67,100,100)".
    String to_string() const override;
};

// Hue (in turns), saturation and lightness.
struct HSL : ToStringInterface {
    float h = 0;
    float s = 0;
    float l = 0;

    HSL() = default;
    // h kept as given (any number of turns); s and l clamped to [0, 1].
    HSL(float h, float s, float l);
    explicit HSL(const RGBf& colour);

    // Hue wraps as for HSV.
    RGB rgb() const;
    // Percentages: "HSL(0,100,50)".
    String to_string() const override;
};

} // namespace lum
