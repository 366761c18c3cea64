#include "lum/graphics/colour.hpp"

#include "lum/text/format.hpp"

#include <algorithm>
#include <cmath>

namespace lum {

namespace {

// A value below 0 or not a number becomes 0, above 1 becomes 1.
float unit(float f) {
    if (!(f > 0.0f))
        return 0.0f;
    return f > 1.0f ? 1.0f : f;
}

uint8_t byte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

// The 8-bit value of a unit float: the integer part of f * 255 + 0.5.
int to_byte(float f) {
    return static_cast<int>(static_cast<double>(f) * 255.0 + 0.5);
}

// A value that prints as zero at the given number of decimals prints without a
// sign: white's colour differences come out as tiny negatives from rounding,
// and "-0.000" would suggest a colour that is not there.
double shown(double v, int decimals) {
    double half = 0.5 / std::pow(10.0, decimals);
    return std::fabs(v) < half ? 0.0 : v;
}

double percent(float f) {
    return shown(static_cast<double>(f) * 100.0, 0);
}
double thousandths(float f) {
    return shown(f, 3);
}

// The hue in [0, 1) of a hue in turns; a hue that is not finite counts as 0.
double wrap_hue(float h) {
    if (!std::isfinite(h))
        return 0.0;
    double turns = static_cast<double>(h);
    double w = turns - std::floor(turns);
    return w >= 1.0 ? 0.0 : w;
}

// The hue in turns shared by HSV and HSL; 0 for greys.
double hue(double r, double g, double b, double max, double d) {
    if (d == 0.0)
        return 0.0;
    double h;
    if (r == max)
        h = (g - b) / (6.0 * d);
    else if (g == max)
        h = (b - r) / (6.0 * d) + 1.0 / 3.0;
    else
        h = (r - g) / (6.0 * d) + 2.0 / 3.0;
    return h < 0.0 ? h + 1.0 : h;
}

} // namespace

RGB::RGB(int r, int g, int b) : r(byte(r)), g(byte(g)), b(byte(b)) {}

RGB::RGB(const RGBf& c) : RGB(to_byte(c.r), to_byte(c.g), to_byte(c.b)) {}

String RGB::to_string() const {
    return Format("RGB({0:D3},{1:D3},{2:D3})", r, g, b);
}

RGBA::RGBA(int r, int g, int b, int a) : RGB(r, g, b), a(byte(a)) {}

RGBA::RGBA(const RGB& c, int a) : RGB(c.r, c.g, c.b), a(byte(a)) {}

String RGBA::to_string() const {
    return Format("RGBA({0:D3},{1:D3},{2:D3},{3:D3})", r, g, b, a);
}

RGBf::RGBf(float r, float g, float b) : r(unit(r)), g(unit(g)), b(unit(b)) {}

RGBf::RGBf(const RGB& c) : RGBf(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f) {}

String RGBf::to_string() const {
    return Format("RGB({0:D3},{1:D3},{2:D3})", r * 255.0f, g * 255.0f, b * 255.0f);
}

CMY::CMY(float c, float m, float y) : c(unit(c)), m(unit(m)), y(unit(y)) {}

CMY::CMY(const RGBf& colour) : CMY(1.0f - colour.r, 1.0f - colour.g, 1.0f - colour.b) {}

RGB CMY::rgb() const {
    return RGBf(1.0f - c, 1.0f - m, 1.0f - y).rgb();
}

String CMY::to_string() const {
    return Format("CMY({0:F0},{1:F0},{2:F0})", percent(c), percent(m), percent(y));
}

CMYK::CMYK(float c, float m, float y, float k) : CMY(c, m, y), k(unit(k)) {}

CMYK::CMYK(const RGBf& colour) {
    if (colour.r == 0.0f && colour.g == 0.0f && colour.b == 0.0f) {
        k = 1.0f;
        return;
    }
    double cc = 1.0 - colour.r;
    double mm = 1.0 - colour.g;
    double yy = 1.0 - colour.b;
    double kk = std::min({cc, mm, yy});
    *this = CMYK(static_cast<float>((cc - kk) / (1.0 - kk)), static_cast<float>((mm - kk) / (1.0 - kk)),
                 static_cast<float>((yy - kk) / (1.0 - kk)), static_cast<float>(kk));
}

RGB CMYK::rgb() const {
    auto channel = [this](float ink) {
        double covered = std::min(1.0, static_cast<double>(ink) * (1.0 - k) + k);
        return static_cast<float>(1.0 - covered);
    };
    return RGBf(channel(c), channel(m), channel(y)).rgb();
}

String CMYK::to_string() const {
    return Format("CMYK({0:F0},{1:F0},{2:F0},{3:F0})", percent(c), percent(m), percent(y), percent(k));
}

YIQ::YIQ(float y, float i, float q) : y(unit(y)), i(i), q(q) {}

YIQ::YIQ(const RGBf& colour) {
    double r = colour.r, g = colour.g, b = colour.b;
    *this = YIQ(static_cast<float>(0.299 * r + 0.587 * g + 0.114 * b),
                static_cast<float>(0.5959 * r - 0.2750 * g - 0.3210 * b),
                static_cast<float>(0.2065 * r - 0.4969 * g + 0.2904 * b));
}

RGB YIQ::rgb() const {
    double yy = y, ii = i, qq = q;
    return RGBf(static_cast<float>(yy + 0.9489 * ii + 0.6561 * qq),
                static_cast<float>(yy - 0.2645 * ii - 0.6847 * qq),
                static_cast<float>(yy - 1.127 * ii + 1.805 * qq))
        .rgb();
}

String YIQ::to_string() const {
    return Format("YIQ({0:F3},{1:F3},{2:F3})", thousandths(y), thousandths(i), thousandths(q));
}

YUV::YUV(float y, float u, float v) : y(unit(y)), u(u), v(v) {}

YUV::YUV(const RGBf& colour) {
    double r = colour.r, g = colour.g, b = colour.b;
    *this = YUV(static_cast<float>(0.299 * r + 0.587 * g + 0.114 * b),
                static_cast<float>(0.5 * b - 0.331 * g - 0.169 * r),
                static_cast<float>(0.5 * r - 0.419 * g - 0.081 * b));
}

RGB YUV::rgb() const {
    double yy = y, uu = u, vv = v;
    return RGBf(static_cast<float>(yy + 1.402 * vv), static_cast<float>(yy - 0.344 * uu - 0.714 * vv),
                static_cast<float>(yy + 1.772 * uu))
        .rgb();
}

String YUV::to_string() const {
    return Format("YUV({0:F3},{1:F3},{2:F3})", thousandths(y), thousandths(u), thousandths(v));
}

YPbPr::YPbPr(float y, float pb, float pr) : y(unit(y)), pb(pb), pr(pr) {}

YPbPr::YPbPr(const RGBf& colour) {
    double r = colour.r, g = colour.g, b = colour.b;
    *this = YPbPr(static_cast<float>(0.2126 * r + 0.7152 * g + 0.0722 * b),
                  static_cast<float>(0.5 * b - 0.3854 * g - 0.1146 * r),
                  static_cast<float>(0.5 * r - 0.4542 * g - 0.0458 * b));
}

RGB YPbPr::rgb() const {
    double yy = y, bb = pb, rr = pr;
    return RGBf(static_cast<float>(yy + 1.575 * rr), static_cast<float>(yy - 0.187 * bb - 0.468 * rr),
                static_cast<float>(yy + 1.856 * bb))
        .rgb();
}

String YPbPr::to_string() const {
    return Format("YPbPr({0:F3},{1:F3},{2:F3})", thousandths(y), thousandths(pb), thousandths(pr));
}

YCbCr::YCbCr(float y, float cb, float cr) : y(unit(y)), cb(cb), cr(cr) {}

YCbCr::YCbCr(const RGBf& colour) {
    double r = colour.r, g = colour.g, b = colour.b;
    *this = YCbCr(static_cast<float>(0.29891 * r + 0.58661 * g + 0.11448 * b),
                  static_cast<float>(0.5 * b - 0.33126 * g - 0.16874 * r),
                  static_cast<float>(0.5 * r - 0.41869 * g - 0.08131 * b));
}

RGB YCbCr::rgb() const {
    double yy = y, bb = cb, rr = cr;
    return RGBf(static_cast<float>(yy + 1.402 * rr), static_cast<float>(yy - 0.34414 * bb - 0.71414 * rr),
                static_cast<float>(yy + 1.772 * bb))
        .rgb();
}

String YCbCr::to_string() const {
    return Format("YCbCr({0:F3},{1:F3},{2:F3})", thousandths(y), thousandths(cb), thousandths(cr));
}

HSV::HSV(float h, float s, float v) : h(h), s(unit(s)), v(unit(v)) {}

HSV::HSV(const RGBf& colour) {
    double r = colour.r, g = colour.g, b = colour.b;
    double max = std::max({r, g, b});
    double d = max - std::min({r, g, b});
    double sat = d == 0.0 ? 0.0 : d / max;
    *this = HSV(static_cast<float>(hue(r, g, b, max, d)), static_cast<float>(sat), static_cast<float>(max));
}

RGB HSV::rgb() const {
    // Flooring (not truncating) keeps a negative hue on the circle.
    double h6 = wrap_hue(h) * 6.0;
    double whole = std::floor(h6);
    double f = h6 - whole;
    int i = static_cast<int>(whole) % 6;
    double vv = v, ss = s;
    double p = vv * (1.0 - ss);
    double q = vv * (1.0 - ss * f);
    double t = vv * (1.0 - ss * (1.0 - f));
    double rows[6][3] = {{vv, t, p}, {q, vv, p}, {p, vv, t}, {p, q, vv}, {t, p, vv}, {vv, p, q}};
    const double* c = rows[i];
    return RGBf(static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2])).rgb();
}

String HSV::to_string() const {
    return Format("HSV({0:F0},{1:F0},{2:F0})", percent(h), percent(s), percent(v));
}

HSL::HSL(float h, float s, float l) : h(h), s(unit(s)), l(unit(l)) {}

HSL::HSL(const RGBf& colour) {
    double r = colour.r, g = colour.g, b = colour.b;
    double max = std::max({r, g, b});
    double min = std::min({r, g, b});
    double d = max - min;
    double light = (max + min) / 2.0;
    double sat = 0.0;
    if (d != 0.0)
        sat = light <= 0.5 ? d / (max + min) : d / (2.0 - max - min);
    *this = HSL(static_cast<float>(hue(r, g, b, max, d)), static_cast<float>(sat), static_cast<float>(light));
}

RGB HSL::rgb() const {
    double ll = l, ss = s;
    double q = ll < 0.5 ? ll * (1.0 + ss) : ll + ss - ll * ss;
    double p = 2.0 * ll - q;
    double h6 = wrap_hue(h) * 6.0;
    // t runs over the six sixths of the circle: rising, low, falling, high.
    auto channel = [&](double k) {
        double t = std::fmod(h6 + k + 3.0, 6.0);
        if (t < 0.0)
            t += 6.0;
        if (t < 1.0)
            return static_cast<float>(q + t * (p - q));
        if (t < 3.0)
            return static_cast<float>(p);
        if (t < 4.0)
            return static_cast<float>(q + (4.0 - t) * (p - q));
        return static_cast<float>(q);
    };
    return RGBf(channel(2.0), channel(0.0), channel(-2.0)).rgb();
}

String HSL::to_string() const {
    return Format("HSL({0:F0},{1:F0},{2:F0})", percent(h), percent(s), percent(l));
}

} // namespace lum
