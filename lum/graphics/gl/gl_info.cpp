#include "lum/graphics/gl/gl_info.hpp"

#include "lum/graphics/gl/gl.hpp"

#include <charconv>
#include <string>

namespace lum {

String gl_string(uint32_t name) {
    const GLubyte* s = glGetString(name);
    if (!s)
        return String();
    // The driver's text is 8-bit; bytes above 0x7F are taken as Latin-1.
    std::u16string units;
    for (const GLubyte* p = s; *p; ++p)
        units.push_back(static_cast<char16_t>(*p));
    return String(std::move(units));
}

double leading_number(const String& text) {
    std::string s = text.to_utf8();
    size_t i = s.find_first_not_of(" \t\r\n\f\v");
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') {
        negative = s[i] == '-';
        ++i;
    }
    double value = 0;
    auto [end, error] = std::from_chars(s.data() + i, s.data() + s.size(), value, std::chars_format::general);
    if (error != std::errc())
        return 0;
    return negative ? -value : value;
}

GlInfo read_gl_info() {
    GlInfo info;
    info.vendor = gl_string(GL_VENDOR);
    info.renderer = gl_string(GL_RENDERER);
    info.version = gl_string(GL_VERSION);
    info.shading_language_version = gl_string(GL_SHADING_LANGUAGE_VERSION);
    info.version_number = static_cast<float>(leading_number(info.version));
    if (info.version.empty())
        return info;
    GLint v = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &v);
    info.max_texture_size = v;
    glGetIntegerv(GL_MAX_LIGHTS, &v);
    info.max_lights = v;
    glGetIntegerv(GL_STENCIL_BITS, &v);
    info.stencil_bits = v;
    glGetIntegerv(GL_DEPTH_BITS, &v);
    info.depth_bits = v;
    return info;
}

GlInfo& gl_info() {
    static GlInfo info;
    return info;
}

} // namespace lum
