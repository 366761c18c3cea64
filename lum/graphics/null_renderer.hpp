#pragma once

#include "lum/graphics/render_backend.hpp"

namespace lum {

// The renderer of a window without OpenGL (a failed start, or a window that
// has no context): the shared code keeps the target stack, the viewport and
// every size, and this draws nothing, creates no objects (every name is 0)
// and has no pixels to read.
RenderBackend& null_renderer();

} // namespace lum
