#pragma once

#include "lum/graphics/render_backend.hpp"

#include <map>
#include <set>
#include <variant>
#include <vector>

namespace lum {

// Holds back a frame's drawing until its end, so that a frame drawing exactly
// what the window already shows need not be drawn or presented again. Outside
// a frame every operation goes straight to the renderer beneath.
class FrameRecorder : public RenderBackend {
  public:
    // Draws through beneath until told otherwise.
    explicit FrameRecorder(RenderBackend& beneath) : beneath_(&beneath) {}

    // The renderer that draws; changing it forgets what the window shows.
    void set_beneath(RenderBackend& beneath);
    RenderBackend& beneath() const { return *beneath_; }

    // Starts holding back the drawing operations of a frame.
    void begin_frame();
    // Ends the frame: true when its picture must be shown (it differs from
    // the shown one, or must_show), after drawing it beneath; false when the
    // window already shows it, and nothing was drawn.
    bool end_frame(bool must_show);
    bool in_frame() const { return in_frame_; }

    void use_target(const TargetEntry& entry) override;
    void use_window(int32_t screen_width, int32_t screen_height) override;
    void set_viewport(int32_t x, int32_t y, int32_t width, int32_t height) override;
    TargetObjects create_target(int32_t width, int32_t height) override;
    void delete_target(const TargetObjects& objects) override;
    uint32_t create_texture(int32_t side, const uint8_t* rgba, bool smooth) override;
    void set_texture_filter(uint32_t texture, bool smooth) override;
    void delete_texture(uint32_t texture) override;
    void clear(const RGBA& c) override;
    void clear_viewport(const RGBA& c) override;
    void clear_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height) override;
    void draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height,
                   float line_width, float angle) override;
    void draw_round_rect(const ColourList& colours, float x, float y, float width, float height, float radius,
                         float angle) override;
    void draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>& corners, float cx, float cy,
                            float width, float height, float angle) override;
    void enable_blending(uint32_t source, uint32_t destination) override;
    void disable_blending() override;
    bool read_pixels(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t* rgba) override;

  private:
    struct UseTarget {
        TargetEntry entry;
        bool operator==(const UseTarget&) const = default;
    };
    struct UseWindow {
        int32_t width, height;
        bool operator==(const UseWindow&) const = default;
    };
    struct Viewport {
        int32_t x, y, width, height;
        bool operator==(const Viewport&) const = default;
    };
    struct Clear {
        RGBA c;
        bool operator==(const Clear&) const = default;
    };
    struct ClearViewport {
        RGBA c;
        bool operator==(const ClearViewport&) const = default;
    };
    struct ClearRect {
        RGBA c;
        int32_t x, y, width, height;
        bool operator==(const ClearRect&) const = default;
    };
    struct Rect {
        ColourList colours;
        float x, y;
        int32_t width, height;
        float line_width, angle;
        bool operator==(const Rect&) const = default;
    };
    struct RoundRect {
        ColourList colours;
        float x, y, width, height, radius, angle;
        bool operator==(const RoundRect&) const = default;
    };
    struct Quad {
        uint32_t texture;
        std::array<QuadCorner, 4> corners;
        float cx, cy, width, height, angle;
        bool operator==(const Quad&) const = default;
    };
    struct Blend {
        uint32_t source, destination;
        bool operator==(const Blend&) const = default;
    };
    struct NoBlend {
        bool operator==(const NoBlend&) const = default;
    };
    using Op = std::variant<UseTarget, UseWindow, Viewport, Clear, ClearViewport, ClearRect, Rect, RoundRect,
                            Quad, Blend, NoBlend>;

    // Holds op back inside a frame, else draws it at once.
    void hold(Op op);
    // Notes what op writes and reads, to tell whether drawing the frame again
    // would leave every target as it is.
    void follow(const Op& op);
    // Draws what was held back, and the rest of the frame straight through.
    void release();
    void draw(const Op& op);
    // Something the held frames cannot express changed.
    void forget_shown();

    RenderBackend* beneath_;
    // Between begin_frame and end_frame.
    bool in_frame_ = false;
    // Holding operations back (in a frame, until something had to be drawn).
    bool recording_ = false;
    std::vector<Op> frame_;
    // The operations of the picture the window shows; empty when unknown.
    std::vector<Op> shown_;
    bool shown_known_ = false;

    // The framebuffer each target's texture belongs to.
    std::map<uint32_t, uint32_t> framebuffer_of_texture_;
    uint32_t current_framebuffer_ = 0;
    std::set<uint32_t> cleared_;
    std::set<uint32_t> read_uncleared_;
    // The frame draws into a target over what an earlier frame left there,
    // so drawing it again would not give the same pixels.
    bool builds_on_earlier_ = false;
};

// The recorder every drawing operation goes through, over the renderer in use.
FrameRecorder& frame_recorder();

// One frame's drawing held back (see FrameRecorder); an exception before
// finish() draws whatever was held, so nothing is lost.
class FrameDrawing {
  public:
    FrameDrawing() { frame_recorder().begin_frame(); }
    ~FrameDrawing() {
        if (frame_recorder().in_frame())
            frame_recorder().end_frame(true);
    }
    FrameDrawing(const FrameDrawing&) = delete;
    FrameDrawing& operator=(const FrameDrawing&) = delete;
    // Ends the frame: true when the window must be shown the new picture.
    bool finish(bool must_show) { return frame_recorder().end_frame(must_show); }
};

} // namespace lum
