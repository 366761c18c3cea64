#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// What the OpenGL driver says about itself, read at graphics start.
struct GlInfo {
    String vendor;
    String renderer;
    String version;
    String shading_language_version;
    // The leading decimal number of the version text (4.5 for "4.5 (Compatibility Profile) Mesa ...").
    float version_number = 0;
    int32_t max_texture_size = 0;
    int32_t max_lights = 0;
    int32_t stencil_bits = 0;
    int32_t depth_bits = 0;
};

// Reads every field from the current context; empty texts and zeros without one.
GlInfo read_gl_info();

// The reading made at graphics start.
GlInfo& gl_info();

// One of the driver's strings (GL_VENDOR, GL_VERSION, ...) as text; empty
// when the driver gives none.
String gl_string(uint32_t name);

// The decimal number at the start of text, after any blanks ("2.1 Mesa" gives
// 2.1); 0 when there is none. Unlike strtod it ignores the C locale, so a
// locale with a decimal comma still reads "4.5" as 4.5.
double leading_number(const String& text);

} // namespace lum
