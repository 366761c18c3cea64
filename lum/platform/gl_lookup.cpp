#include "lum/platform/gl_lookup.hpp"

#include <algorithm>
#include <array>

namespace lum::platform {

namespace {

// GL_EXT_framebuffer_object and GL_ARB_framebuffer_object (core in 3.0) entry
// points, without their suffix.
constexpr std::array<std::string_view, 17> FRAMEBUFFER_NAMES = {
    "glBindFramebuffer",
    "glBindRenderbuffer",
    "glCheckFramebufferStatus",
    "glDeleteFramebuffers",
    "glDeleteRenderbuffers",
    "glFramebufferRenderbuffer",
    "glFramebufferTexture1D",
    "glFramebufferTexture2D",
    "glFramebufferTexture3D",
    "glGenFramebuffers",
    "glGenRenderbuffers",
    "glGenerateMipmap",
    "glGetFramebufferAttachmentParameteriv",
    "glGetRenderbufferParameteriv",
    "glIsFramebuffer",
    "glIsRenderbuffer",
    "glRenderbufferStorage",
};

// The entry points that OpenGL 2.0 added to the core (shaders, separate
// stencil and blend equations, draw buffers, vertex attributes).
constexpr std::array<std::string_view, 93> GL20_NAMES = {
    "glAttachShader",
    "glBindAttribLocation",
    "glBlendEquationSeparate",
    "glCompileShader",
    "glCreateProgram",
    "glCreateShader",
    "glDeleteProgram",
    "glDeleteShader",
    "glDetachShader",
    "glDisableVertexAttribArray",
    "glDrawBuffers",
    "glEnableVertexAttribArray",
    "glGetActiveAttrib",
    "glGetActiveUniform",
    "glGetAttachedShaders",
    "glGetAttribLocation",
    "glGetProgramInfoLog",
    "glGetProgramiv",
    "glGetShaderInfoLog",
    "glGetShaderSource",
    "glGetShaderiv",
    "glGetUniformLocation",
    "glGetUniformfv",
    "glGetUniformiv",
    "glGetVertexAttribPointerv",
    "glGetVertexAttribdv",
    "glGetVertexAttribfv",
    "glGetVertexAttribiv",
    "glIsProgram",
    "glIsShader",
    "glLinkProgram",
    "glShaderSource",
    "glStencilFuncSeparate",
    "glStencilMaskSeparate",
    "glStencilOpSeparate",
    "glUniform1f",
    "glUniform1fv",
    "glUniform1i",
    "glUniform1iv",
    "glUniform2f",
    "glUniform2fv",
    "glUniform2i",
    "glUniform2iv",
    "glUniform3f",
    "glUniform3fv",
    "glUniform3i",
    "glUniform3iv",
    "glUniform4f",
    "glUniform4fv",
    "glUniform4i",
    "glUniform4iv",
    "glUniformMatrix2fv",
    "glUniformMatrix3fv",
    "glUniformMatrix4fv",
    "glUseProgram",
    "glValidateProgram",
    "glVertexAttrib1d",
    "glVertexAttrib1dv",
    "glVertexAttrib1f",
    "glVertexAttrib1fv",
    "glVertexAttrib1s",
    "glVertexAttrib1sv",
    "glVertexAttrib2d",
    "glVertexAttrib2dv",
    "glVertexAttrib2f",
    "glVertexAttrib2fv",
    "glVertexAttrib2s",
    "glVertexAttrib2sv",
    "glVertexAttrib3d",
    "glVertexAttrib3dv",
    "glVertexAttrib3f",
    "glVertexAttrib3fv",
    "glVertexAttrib3s",
    "glVertexAttrib3sv",
    "glVertexAttrib4Nbv",
    "glVertexAttrib4Niv",
    "glVertexAttrib4Nsv",
    "glVertexAttrib4Nub",
    "glVertexAttrib4Nubv",
    "glVertexAttrib4Nuiv",
    "glVertexAttrib4Nusv",
    "glVertexAttrib4bv",
    "glVertexAttrib4d",
    "glVertexAttrib4dv",
    "glVertexAttrib4f",
    "glVertexAttrib4fv",
    "glVertexAttrib4iv",
    "glVertexAttrib4s",
    "glVertexAttrib4sv",
    "glVertexAttrib4ubv",
    "glVertexAttrib4uiv",
    "glVertexAttrib4usv",
    "glVertexAttribPointer",
};

template <size_t N>
bool listed(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool at_least(const GlContextFacts& f, int major, int minor) {
    return f.major > major || (f.major == major && f.minor >= minor);
}

} // namespace

bool gl_function_offered(std::string_view name, const GlContextFacts& facts) {
    constexpr std::string_view ext = "EXT";
    if (name.size() > ext.size() && name.ends_with(ext))
        return facts.ext_framebuffer_object &&
               listed(FRAMEBUFFER_NAMES, name.substr(0, name.size() - ext.size()));
    if (listed(FRAMEBUFFER_NAMES, name))
        return at_least(facts, 3, 0) || facts.arb_framebuffer_object;
    if (listed(GL20_NAMES, name))
        return at_least(facts, 2, 0);
    return false;
}

} // namespace lum::platform
