#include "lum/graphics/render_backend.hpp"

#include "lum/graphics/null_renderer.hpp"

namespace lum {

namespace {

RenderBackend* in_use = nullptr;

} // namespace

RenderBackend& render_backend() {
    return in_use != nullptr ? *in_use : null_renderer();
}

void use_render_backend(RenderBackend& backend) {
    in_use = &backend;
}

} // namespace lum
