#include "lum/graphics/render_target.hpp"

#include "lum/graphics/draw.hpp"
#include "lum/graphics/render_backend.hpp"
#include "lum/graphics/renderer.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lum {

RenderTarget::RenderTarget(RenderTarget&& other) noexcept
    : source_blend(other.source_blend), destination_blend(other.destination_blend), corners(other.corners),
      texture_(std::exchange(other.texture_, 0)), renderbuffer_(std::exchange(other.renderbuffer_, 0)),
      framebuffer_(std::exchange(other.framebuffer_, 0)), width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

RenderTarget& RenderTarget::operator=(RenderTarget&& other) noexcept {
    if (this == &other)
        return *this;
    release();
    source_blend = other.source_blend;
    destination_blend = other.destination_blend;
    corners = other.corners;
    texture_ = std::exchange(other.texture_, 0);
    renderbuffer_ = std::exchange(other.renderbuffer_, 0);
    framebuffer_ = std::exchange(other.framebuffer_, 0);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    return *this;
}

RenderTarget::~RenderTarget() {
    release();
}

void RenderTarget::release() {
    render_backend().delete_target({texture_, renderbuffer_, framebuffer_, false});
    renderbuffer_ = 0;
    texture_ = 0;
    framebuffer_ = 0;
}

void RenderTarget::create(int32_t width, int32_t height) {
    release();
    width_ = std::clamp(width, 1, MAX_SIZE);
    height_ = std::clamp(height, 1, MAX_SIZE);
    const TargetObjects objects = render_backend().create_target(width_, height_);
    texture_ = objects.texture;
    renderbuffer_ = objects.renderbuffer;
    framebuffer_ = objects.framebuffer;
    if (objects.drawable) {
        push_target(*this);
        clear_target(RGBA(0, 0, 0, 0));
        pop_target();
    }
    source_blend = BLEND_SOURCE_ALPHA;
    destination_blend = BLEND_ONE_MINUS_SOURCE_ALPHA;
}

void RenderTarget::set_alpha(int32_t a) {
    RGBA white(255, 255, 255, std::clamp(a, 0, 255));
    corners = {white, white, white, white};
}

void RenderTarget::set_alpha(float opacity) {
    float a = opacity * 255.0f;
    // NaN counts as transparent; the clamp happens before the conversion so
    // that huge values cannot overflow it.
    if (!(a > 0))
        a = 0;
    set_alpha(static_cast<int32_t>(std::min(a, 255.0f)));
}

} // namespace lum
