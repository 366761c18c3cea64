#pragma once

#include "lum/graphics/gl/gl_lookup.hpp"

#include <array>

namespace lum {

// The entry points that OpenGL 2.0 made core (shaders, separate stencil and
// blend equations, draw buffers, vertex attributes), each fetched under its
// plain name only, in this order: alphabetical, ignoring case.
inline constexpr GlRequirement SHADER_FUNCTIONS_NEED{2, 0, nullptr};
inline constexpr std::array<const char*, 93> SHADER_FUNCTION_NAMES = {
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
    "glGetShaderiv",
    "glGetShaderSource",
    "glGetUniformfv",
    "glGetUniformiv",
    "glGetUniformLocation",
    "glGetVertexAttribdv",
    "glGetVertexAttribfv",
    "glGetVertexAttribiv",
    "glGetVertexAttribPointerv",
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
    "glVertexAttrib4bv",
    "glVertexAttrib4d",
    "glVertexAttrib4dv",
    "glVertexAttrib4f",
    "glVertexAttrib4fv",
    "glVertexAttrib4iv",
    "glVertexAttrib4Nbv",
    "glVertexAttrib4Niv",
    "glVertexAttrib4Nsv",
    "glVertexAttrib4Nub",
    "glVertexAttrib4Nubv",
    "glVertexAttrib4Nuiv",
    "glVertexAttrib4Nusv",
    "glVertexAttrib4s",
    "glVertexAttrib4sv",
    "glVertexAttrib4ubv",
    "glVertexAttrib4uiv",
    "glVertexAttrib4usv",
    "glVertexAttribPointer",
};

// The OpenGL 2.0 entry points, kept for the life of the process; slot i
// belongs to SHADER_FUNCTION_NAMES[i] and is null when it is missing.
struct ShaderEntryPoints {
    std::array<platform::GlProc, SHADER_FUNCTION_NAMES.size()> slots{};

    // The slot of a name (null for names outside the table), cast to its type.
    template <typename F>
    F get(const char* name) const {
        return reinterpret_cast<F>(find(name));
    }
    platform::GlProc find(const char* name) const;
};

// The entry points as last fetched (all null before).
const ShaderEntryPoints& shader_functions();

// Fetches every entry point from the driver, then throws
// PixelShaderInitException when any is missing.
void load_shader_functions(const GlDriver& driver = current_gl_driver());

} // namespace lum
