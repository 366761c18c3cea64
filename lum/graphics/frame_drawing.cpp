#include "lum/graphics/frame_drawing.hpp"

#include "lum/graphics/null_renderer.hpp"

namespace lum {

void FrameRecorder::set_beneath(RenderBackend& beneath) {
    release();
    beneath_ = &beneath;
    forget_shown();
}

void FrameRecorder::begin_frame() {
    release();
    in_frame_ = true;
    recording_ = true;
    frame_.clear();
    current_framebuffer_ = 0;
    cleared_.clear();
    read_uncleared_.clear();
    builds_on_earlier_ = false;
}

bool FrameRecorder::end_frame(bool must_show) {
    if (!in_frame_)
        return true;
    in_frame_ = false;
    if (!recording_) {
        // Part of the frame was drawn already: the window shows something new.
        forget_shown();
        return true;
    }
    recording_ = false;
    const bool again = !builds_on_earlier_;
    if (!must_show && again && shown_known_ && frame_ == shown_) {
        frame_.clear();
        return false;
    }
    for (const Op& op : frame_)
        draw(op);
    shown_ = std::move(frame_);
    frame_.clear();
    shown_known_ = again;
    return true;
}

void FrameRecorder::hold(Op op) {
    if (!recording_) {
        // Drawn between frames or after a release: the window's buffers and
        // the renderer's state no longer match the shown frame's.
        draw(op);
        forget_shown();
        return;
    }
    follow(op);
    frame_.push_back(std::move(op));
}

void FrameRecorder::follow(const Op& op) {
    if (const auto* target = std::get_if<UseTarget>(&op)) {
        current_framebuffer_ = target->entry.framebuffer;
        return;
    }
    if (std::holds_alternative<UseWindow>(op)) {
        current_framebuffer_ = 0;
        return;
    }
    if (std::holds_alternative<Viewport>(op) || std::holds_alternative<Blend>(op) ||
        std::holds_alternative<NoBlend>(op))
        return;
    // The window is drawn whole each frame; targets keep their pixels.
    if (current_framebuffer_ == 0)
        return;
    if (std::holds_alternative<Clear>(op)) {
        // A target read before it is cleared feeds its old pixels forward.
        if (read_uncleared_.contains(current_framebuffer_))
            builds_on_earlier_ = true;
        cleared_.insert(current_framebuffer_);
        return;
    }
    if (!cleared_.contains(current_framebuffer_))
        builds_on_earlier_ = true;
    if (const auto* quad = std::get_if<Quad>(&op)) {
        auto owner = framebuffer_of_texture_.find(quad->texture);
        if (owner == framebuffer_of_texture_.end())
            return;
        if (owner->second == current_framebuffer_)
            builds_on_earlier_ = true;
        else if (!cleared_.contains(owner->second))
            read_uncleared_.insert(owner->second);
    }
}

void FrameRecorder::release() {
    if (!recording_)
        return;
    recording_ = false;
    for (const Op& op : frame_)
        draw(op);
    frame_.clear();
}

void FrameRecorder::forget_shown() {
    shown_known_ = false;
    shown_.clear();
}

void FrameRecorder::draw(const Op& op) {
    RenderBackend& b = *beneath_;
    std::visit(
        [&b](const auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, UseTarget>)
                b.use_target(o.entry);
            else if constexpr (std::is_same_v<T, UseWindow>)
                b.use_window(o.width, o.height);
            else if constexpr (std::is_same_v<T, Viewport>)
                b.set_viewport(o.x, o.y, o.width, o.height);
            else if constexpr (std::is_same_v<T, Clear>)
                b.clear(o.c);
            else if constexpr (std::is_same_v<T, ClearViewport>)
                b.clear_viewport(o.c);
            else if constexpr (std::is_same_v<T, ClearRect>)
                b.clear_rect(o.c, o.x, o.y, o.width, o.height);
            else if constexpr (std::is_same_v<T, Rect>)
                b.draw_rect(o.colours, o.x, o.y, o.width, o.height, o.line_width, o.angle);
            else if constexpr (std::is_same_v<T, RoundRect>)
                b.draw_round_rect(o.colours, o.x, o.y, o.width, o.height, o.radius, o.angle);
            else if constexpr (std::is_same_v<T, Quad>)
                b.draw_textured_quad(o.texture, o.corners, o.cx, o.cy, o.width, o.height, o.angle);
            else if constexpr (std::is_same_v<T, Blend>)
                b.enable_blending(o.source, o.destination);
            else
                b.disable_blending();
        },
        op);
}

void FrameRecorder::use_target(const TargetEntry& entry) {
    hold(UseTarget{entry});
}

void FrameRecorder::use_window(int32_t screen_width, int32_t screen_height) {
    hold(UseWindow{screen_width, screen_height});
}

void FrameRecorder::set_viewport(int32_t x, int32_t y, int32_t width, int32_t height) {
    hold(Viewport{x, y, width, height});
}

// Objects are made and unmade at once, after what was held back: the frame
// that follows draws with them, and the shown frame may name them no more.
TargetObjects FrameRecorder::create_target(int32_t width, int32_t height) {
    release();
    forget_shown();
    TargetObjects objects = beneath_->create_target(width, height);
    if (objects.texture != 0)
        framebuffer_of_texture_[objects.texture] = objects.framebuffer;
    return objects;
}

void FrameRecorder::delete_target(const TargetObjects& objects) {
    release();
    forget_shown();
    framebuffer_of_texture_.erase(objects.texture);
    beneath_->delete_target(objects);
}

uint32_t FrameRecorder::create_texture(int32_t side, const uint8_t* rgba, bool smooth) {
    release();
    forget_shown();
    return beneath_->create_texture(side, rgba, smooth);
}

void FrameRecorder::set_texture_filter(uint32_t texture, bool smooth) {
    release();
    forget_shown();
    beneath_->set_texture_filter(texture, smooth);
}

void FrameRecorder::delete_texture(uint32_t texture) {
    release();
    forget_shown();
    beneath_->delete_texture(texture);
}

void FrameRecorder::clear(const RGBA& c) {
    hold(Clear{c});
}

void FrameRecorder::clear_viewport(const RGBA& c) {
    hold(ClearViewport{c});
}

void FrameRecorder::clear_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height) {
    hold(ClearRect{c, x, y, width, height});
}

void FrameRecorder::draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height,
                              float line_width, float angle) {
    hold(Rect{colours, x, y, width, height, line_width, angle});
}

void FrameRecorder::draw_round_rect(const ColourList& colours, float x, float y, float width, float height,
                                    float radius, float angle) {
    hold(RoundRect{colours, x, y, width, height, radius, angle});
}

void FrameRecorder::draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>& corners, float cx,
                                       float cy, float width, float height, float angle) {
    hold(Quad{texture, corners, cx, cy, width, height, angle});
}

void FrameRecorder::enable_blending(uint32_t source, uint32_t destination) {
    hold(Blend{source, destination});
}

void FrameRecorder::disable_blending() {
    hold(NoBlend{});
}

// The pixels asked for include everything drawn so far in the frame.
bool FrameRecorder::read_pixels(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t* rgba) {
    release();
    return beneath_->read_pixels(x, y, width, height, rgba);
}

FrameRecorder& frame_recorder() {
    // Never destroyed: drawing may happen from exit handlers.
    static FrameRecorder* recorder = new FrameRecorder(null_renderer());
    return *recorder;
}

} // namespace lum
