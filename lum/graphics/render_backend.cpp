#include "lum/graphics/render_backend.hpp"

#include "lum/graphics/frame_drawing.hpp"

namespace lum {

RenderBackend& render_backend() {
    return frame_recorder();
}

void use_render_backend(RenderBackend& backend) {
    frame_recorder().set_beneath(backend);
}

} // namespace lum
