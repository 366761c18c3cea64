#pragma once

#include "lum/graphics/render_backend.hpp"

namespace lum {

// The renderer that draws with fixed-function OpenGL in immediate mode, into
// framebuffer objects and the window. Graphics start chooses it once the
// framebuffer functions are loaded; it needs the window's context current.
RenderBackend& gl_renderer();

} // namespace lum
