#pragma once

#include <cstdint>

namespace lum {

// The blend factors the engine draws with, by OpenGL's codes, so that code
// without the OpenGL headers can name them.
inline constexpr uint32_t BLEND_SOURCE_ALPHA = 0x302;
inline constexpr uint32_t BLEND_ONE_MINUS_SOURCE_ALPHA = 0x303;

} // namespace lum
