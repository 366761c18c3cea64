#include "lum/graphics/render_target.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/gl/framebuffer_functions.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/window.hpp"

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
    // Once the window and its context are gone, so are the objects: only the
    // names are forgotten then.
    if (platform::context_current()) {
        const FramebufferEntryPoints& fb = framebuffer_functions();
        if (renderbuffer_ && fb.delete_renderbuffers)
            fb.delete_renderbuffers(1, &renderbuffer_);
        if (texture_)
            glDeleteTextures(1, &texture_);
        if (framebuffer_ && fb.delete_framebuffers)
            fb.delete_framebuffers(1, &framebuffer_);
    }
    renderbuffer_ = 0;
    texture_ = 0;
    framebuffer_ = 0;
}

void RenderTarget::create(int32_t width, int32_t height) {
    release();
    width_ = std::clamp(width, 1, MAX_SIZE);
    height_ = std::clamp(height, 1, MAX_SIZE);

    glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);

    // Without the framebuffer functions (a failed start) the target is only a
    // texture, and drawing into it lands in the window.
    const FramebufferEntryPoints& fb = framebuffer_functions();
    if (fb.complete()) {
        fb.gen_renderbuffers(1, &renderbuffer_);
        fb.bind_renderbuffer(GL_RENDERBUFFER, renderbuffer_);
        fb.renderbuffer_storage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width_, height_);
        fb.bind_renderbuffer(GL_RENDERBUFFER, 0);

        fb.gen_framebuffers(1, &framebuffer_);
        fb.bind_framebuffer(GL_FRAMEBUFFER, framebuffer_);
        fb.framebuffer_texture_2d(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture_, 0);
        fb.framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffer_);
        fb.framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, renderbuffer_);
        GLenum status = fb.check_framebuffer_status(GL_FRAMEBUFFER);
        fb.bind_framebuffer(GL_FRAMEBUFFER, 0);

        // A driver that cannot draw into this combination says so here; the
        // target then stays, but drawing into it has no effect.
        if (status == GL_FRAMEBUFFER_COMPLETE) {
            push_target(*this);
            clear_target(RGBA(0, 0, 0, 0));
            pop_target();
        } else {
            runtime_warning("lum::RenderTarget::create", "Framebuffer incomplete", "status",
                            static_cast<int32_t>(status));
        }
    }
    source_blend = GL_SRC_ALPHA;
    destination_blend = GL_ONE_MINUS_SRC_ALPHA;
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
