#include "lum/graphics/pixel_shader.hpp"

#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/gl/shader_functions.hpp"

namespace lum {

PixelShader::~PixelShader() {
    if (program_ != 0 && platform::context_current()) {
        if (auto delete_program = shader_functions().get<PFNGLDELETEPROGRAMPROC>("glDeleteProgram"))
            delete_program(program_);
    }
    program_ = 0;
}

} // namespace lum
