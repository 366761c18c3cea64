#include "lum/graphics/gl/shader_functions.hpp"

#include "lum/error/exception.hpp"

#include <cstring>

namespace lum {

namespace {
ShaderEntryPoints fetched;
} // namespace

platform::GlProc ShaderEntryPoints::find(const char* name) const {
    for (size_t i = 0; i < SHADER_FUNCTION_NAMES.size(); ++i)
        if (std::strcmp(SHADER_FUNCTION_NAMES[i], name) == 0)
            return slots[i];
    return nullptr;
}

const ShaderEntryPoints& shader_functions() {
    return fetched;
}

void load_shader_functions(const GlDriver& driver) {
    int missing = 0;
    for (size_t i = 0; i < SHADER_FUNCTION_NAMES.size(); ++i) {
        fetched.slots[i] = gl_entry_point(driver, SHADER_FUNCTION_NAMES[i], SHADER_FUNCTIONS_NEED);
        if (!fetched.slots[i])
            ++missing;
    }
    if (missing >= 1)
        throw PixelShaderInitException();
}

} // namespace lum
