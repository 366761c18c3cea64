#pragma once

#include <string_view>

namespace lum::platform {

// What the current OpenGL context offers, as far as entry points need it.
struct GlContextFacts {
    int major = 0;
    int minor = 0;
    bool ext_framebuffer_object = false; // GL_EXT_framebuffer_object
    bool arb_framebuffer_object = false; // GL_ARB_framebuffer_object
};

// Whether a context with these facts really offers the named entry point:
// the framebuffer names with "EXT" need GL_EXT_framebuffer_object, the plain
// framebuffer names OpenGL 3.0 or GL_ARB_framebuffer_object, the OpenGL 2.0
// names version 2.0. Names outside those sets are not offered: the window
// system's lookup cannot tell a real one from a made-up one.
bool gl_function_offered(std::string_view name, const GlContextFacts& facts);

} // namespace lum::platform
