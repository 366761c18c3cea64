#pragma once

#include "lum/graphics/gl/forced_error.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/gl/gl_lookup.hpp"
#include "lum/text/string.hpp"
#include "lum/text/string_list.hpp"

#include <array>

namespace lum {

// Each framebuffer-object function is fetched first with "EXT" appended,
// offered by GL_EXT_framebuffer_object, then under its plain name, core in
// OpenGL 3.0 and offered by GL_ARB_framebuffer_object. The names stand in
// framebuffer_functions.cpp beside their slots.
inline constexpr GlRequirement FRAMEBUFFER_EXT_NEED{0, 0, "GL_EXT_framebuffer_object"};
inline constexpr GlRequirement FRAMEBUFFER_CORE_NEED{3, 0, "GL_ARB_framebuffer_object"};

// The framebuffer-object entry points, kept for the life of the process. A
// slot is null when its function is missing.
struct FramebufferEntryPoints {
    PFNGLISRENDERBUFFERPROC is_renderbuffer = nullptr;
    PFNGLBINDRENDERBUFFERPROC bind_renderbuffer = nullptr;
    PFNGLDELETERENDERBUFFERSPROC delete_renderbuffers = nullptr;
    PFNGLGENRENDERBUFFERSPROC gen_renderbuffers = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbuffer_storage = nullptr;
    PFNGLGETRENDERBUFFERPARAMETERIVPROC get_renderbuffer_parameteriv = nullptr;
    PFNGLISFRAMEBUFFERPROC is_framebuffer = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bind_framebuffer = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC delete_framebuffers = nullptr;
    PFNGLGENFRAMEBUFFERSPROC gen_framebuffers = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC check_framebuffer_status = nullptr;
    PFNGLFRAMEBUFFERTEXTURE1DPROC framebuffer_texture_1d = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebuffer_texture_2d = nullptr;
    PFNGLFRAMEBUFFERTEXTURE3DPROC framebuffer_texture_3d = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebuffer_renderbuffer = nullptr;
    PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVPROC get_framebuffer_attachment_parameteriv = nullptr;
    PFNGLGENERATEMIPMAPPROC generate_mipmap = nullptr;

    // True when every slot is filled, so render targets can be used.
    bool complete() const;
};

// The entry points as last loaded (all null before).
const FramebufferEntryPoints& framebuffer_functions();

// The seventeen plain names, in the order they are fetched.
const std::array<const char*, 17>& framebuffer_function_names();

// The outcome of looking the seventeen functions up.
struct FramebufferLookup {
    FramebufferEntryPoints functions;
    // The names reported missing, in table order (all of them when forced).
    StringList missing;
};

// Looks every function up, each first with "EXT" appended and then under its
// plain name. With forced set every name counts as missing.
FramebufferLookup look_up_framebuffer_functions(const GlDriver& driver, bool forced);

// The text that tells the user the machine cannot run the program: the missing
// names, each on its own line behind an ideographic space, then the cause and
// the details of the OpenGL found.
String framebuffer_failure_text(const StringList& missing, double version, const String& renderer,
                                const String& vendor, const String& shading_language_version);

// The title of the box that shows framebuffer_failure_text.
String framebuffer_failure_title();

// Fills framebuffer_functions() from the driver. When any function is missing
// (or forced_opengl_error is set) shows the failure text in a dialog and
// returns false.
bool load_framebuffer_functions(const GlDriver& driver = current_gl_driver());

} // namespace lum
