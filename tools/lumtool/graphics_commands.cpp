// lumtool colour: one colour shown in every colour model of the engine.

#include "command.hpp"

#include "lum/graphics/colour.hpp"

#include <charconv>
#include <cstdio>

namespace lumtool {

namespace {

int component(const std::string& word, const char* name) {
    int value = 0;
    const char* first = word.data();
    const char* last = first + word.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (word.empty() || error != std::errc() || end != last || value < 0 || value > 255)
        throw UsageError{std::string(name) + " must be an integer from 0 to 255, not '" + word + "'"};
    return value;
}

void show(const lum::ToStringInterface& record, const lum::RGB& back) {
    std::printf("%s -> %s\n", record.to_string().to_utf8().c_str(), back.to_string().to_utf8().c_str());
}

int colour(const std::vector<std::string>& args) {
    if (args.size() != 3)
        throw UsageError{"colour takes three components, red, green and blue"};
    lum::RGB c(component(args[0], "red"), component(args[1], "green"), component(args[2], "blue"));
    lum::RGBA with_alpha(c, 255);
    lum::RGBf f(c);

    show(c, c);
    show(with_alpha, with_alpha.rgb());
    show(f, f.rgb());
    lum::CMY cmy(f);
    show(cmy, cmy.rgb());
    lum::CMYK cmyk(f);
    show(cmyk, cmyk.rgb());
    lum::YIQ yiq(f);
    show(yiq, yiq.rgb());
    lum::YUV yuv(f);
    show(yuv, yuv.rgb());
    lum::YPbPr ypbpr(f);
    show(ypbpr, ypbpr.rgb());
    lum::YCbCr ycbcr(f);
    show(ycbcr, ycbcr.rgb());
    lum::HSV hsv(f);
    show(hsv, hsv.rgb());
    lum::HSL hsl(f);
    show(hsl, hsl.rgb());
    return 0;
}

const Registration colour_command({"colour", "colour R G B",
                                   "show an 8-bit colour (0-255 each) in every colour model and back",
                                   colour});

} // namespace

} // namespace lumtool
