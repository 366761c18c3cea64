#pragma once

#include "lum/graphics/blend.hpp"
#include "lum/graphics/colour.hpp"

#include <array>
#include <cstdint>

namespace lum {

// An off-screen surface: a texture with a combined depth and stencil buffer
// behind a framebuffer. Drawing goes into it between push_target and
// pop_target; draw_target then puts it on the current target as a quad.
// It owns its three objects of the renderer in use and deletes them when
// recreated, released or destroyed; under the null renderer it has none and
// keeps only its size.
class RenderTarget {
  public:
    static constexpr int32_t MAX_SIZE = 4096;

    RenderTarget() = default;
    // A target of the given size, as create makes it.
    RenderTarget(int32_t width, int32_t height) { create(width, height); }
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;
    RenderTarget(RenderTarget&& other) noexcept;
    RenderTarget& operator=(RenderTarget&& other) noexcept;
    ~RenderTarget();

    // (Re)creates the objects at width x height, each clamped to 1..4096, and
    // clears the new target to transparent black.
    void create(int32_t width, int32_t height);

    // Deletes the renderbuffer, the texture and the framebuffer, in that order.
    void release();

    // All four corners white with alpha a, clamped to 0..255.
    void set_alpha(int32_t a);
    // All four corners white with alpha trunc(opacity x 255), clamped to 0..255.
    void set_alpha(float opacity);
    void set_alpha(double opacity) { set_alpha(static_cast<float>(opacity)); }

    uint32_t texture() const { return texture_; }
    uint32_t renderbuffer() const { return renderbuffer_; }
    uint32_t framebuffer() const { return framebuffer_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

    // Blend factors used when the target is drawn.
    uint32_t source_blend = BLEND_SOURCE_ALPHA;
    uint32_t destination_blend = BLEND_ONE_MINUS_SOURCE_ALPHA;
    // Tint of the corners when drawn: top-left, top-right, bottom-right, bottom-left.
    std::array<RGBA, 4> corners = {RGBA(255, 255, 255, 255), RGBA(255, 255, 255, 255),
                                   RGBA(255, 255, 255, 255), RGBA(255, 255, 255, 255)};

  private:
    uint32_t texture_ = 0;
    uint32_t renderbuffer_ = 0;
    uint32_t framebuffer_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

} // namespace lum
