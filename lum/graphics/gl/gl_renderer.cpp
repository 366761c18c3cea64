#include "lum/graphics/gl/gl_renderer.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/graphics/blend.hpp"
#include "lum/graphics/gl/framebuffer_functions.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/platform/window.hpp"

#include <algorithm>
#include <cmath>

namespace lum {

static_assert(BLEND_SOURCE_ALPHA == GL_SRC_ALPHA && BLEND_ONE_MINUS_SOURCE_ALPHA == GL_ONE_MINUS_SRC_ALPHA);

namespace {

// Without the framebuffer functions (a failed start) everything draws into the
// window instead of calling a missing function.
void bind_framebuffer(uint32_t name) {
    if (auto bind = framebuffer_functions().bind_framebuffer)
        bind(GL_FRAMEBUFFER, name);
}

// A 2D projection of width x height units, origin at the top left, y down.
void set_projection(int32_t width, int32_t height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void colour(const RGBA& c) {
    glColor4ub(c.r, c.g, c.b, c.a);
}

// Moves the origin to (cx, cy) and rotates about it; undone by glPopMatrix.
void place(float cx, float cy, float angle) {
    glPushMatrix();
    glTranslatef(cx, cy, 0);
    if (angle != 0)
        glRotatef(angle, 0, 0, 1);
}

// The corners of a rectangle around the origin in drawing order.
struct Corner {
    float x;
    float y;
};

void fan(const ColourList& colours, const std::array<Corner, 4>& corners, GLenum mode) {
    glBegin(mode);
    for (int i = 0; i < 4; ++i) {
        colour(colours.corner(i));
        glVertex2f(corners[i].x, corners[i].y);
    }
    glEnd();
}

constexpr float PI = 3.14159265358979323846f;

// The piece between a corner and the quarter circle of radius r inside it.
// sx, sy are the corner's signs (-1 left/top, 1 right/bottom).
void corner_piece(float hw, float hh, float r, float sx, float sy) {
    float cx = sx * (hw - r);
    float cy = sy * (hh - r);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(sx * hw, sy * hh);
    for (int degrees = 0; degrees <= 90; degrees += 10) {
        float a = degrees * PI / 180.0f;
        glVertex2f(cx + sx * r * std::cos(a), cy + sy * r * std::sin(a));
    }
    glEnd();
}

// Clears the pixels x0..x1-1, y0..y1-1 in OpenGL's window coordinates, rows
// counted from the bottom.
void clear_box(const RGBA& c, int64_t x0, int64_t y0, int64_t x1, int64_t y1, RenderBackend& gl) {
    if (x1 <= x0 || y1 <= y0)
        return;
    glScissor(static_cast<GLint>(x0), static_cast<GLint>(y0), static_cast<GLsizei>(x1 - x0),
              static_cast<GLsizei>(y1 - y0));
    glEnable(GL_SCISSOR_TEST);
    gl.clear(c);
    glDisable(GL_SCISSOR_TEST);
}

std::array<GLint, 4> current_viewport() {
    std::array<GLint, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

// Works on the texture bound to GL_TEXTURE_2D.
void apply_filter(bool smooth) {
    const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

// Restricts drawing to where the stencil buffer is 0; shapes drawn between
// begin and cover mark where drawing is kept off. Ended on destruction, so an
// exception cannot leave the stencil test on.
class StencilMask {
  public:
    StencilMask() = default;
    StencilMask(const StencilMask&) = delete;
    StencilMask& operator=(const StencilMask&) = delete;
    ~StencilMask() { end(); }

    // Clears the stencil and starts marking: colour writes off, stencil set to 1.
    void begin() {
        if (active_)
            end();
        active_ = true;
        glEnable(GL_STENCIL_TEST);
        glStencilOp(GL_KEEP, GL_REPLACE, GL_REPLACE);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
        glStencilFunc(GL_ALWAYS, 1, 0xFFFFFFFF);
        glClear(GL_STENCIL_BUFFER_BIT);
    }

    // Stops marking: colour writes on, drawing only where the stencil is 0.
    void cover() {
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
        glStencilFunc(GL_EQUAL, 0, 0xFFFFFFFF);
    }

    // Turns the stencil test off again.
    void end() {
        if (!active_)
            return;
        active_ = false;
        // Colour writes come back even when drawing stopped between begin and cover.
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glDisable(GL_STENCIL_TEST);
        glBindTexture(GL_TEXTURE_2D, 0);
    }

  private:
    bool active_ = false;
};

class GlRenderer : public RenderBackend {
  public:
    void use_target(const TargetEntry& e) override {
        // A target is never drawn while its own texture may still be bound.
        stop_texturing();
        bind_framebuffer(e.framebuffer);
        glViewport(e.x, e.y, e.width, e.height);
        set_projection(e.width, e.height);
    }

    void use_window(int32_t screen_width, int32_t screen_height) override {
        stop_texturing();
        bind_framebuffer(0);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        set_projection(screen_width, screen_height);
    }

    void set_viewport(int32_t x, int32_t y, int32_t width, int32_t height) override {
        glViewport(x, y, width, height);
    }

    TargetObjects create_target(int32_t width, int32_t height) override {
        stop_texturing();
        TargetObjects o;
        GLuint texture = 0;
        glGenTextures(1, &texture);
        o.texture = texture;
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glBindTexture(GL_TEXTURE_2D, 0);

        // Without the framebuffer functions (a failed start) the target is only a
        // texture, and drawing into it lands in the window.
        const FramebufferEntryPoints& fb = framebuffer_functions();
        if (!fb.complete())
            return o;
        GLuint renderbuffer = 0;
        fb.gen_renderbuffers(1, &renderbuffer);
        o.renderbuffer = renderbuffer;
        fb.bind_renderbuffer(GL_RENDERBUFFER, renderbuffer);
        fb.renderbuffer_storage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        fb.bind_renderbuffer(GL_RENDERBUFFER, 0);

        GLuint framebuffer = 0;
        fb.gen_framebuffers(1, &framebuffer);
        o.framebuffer = framebuffer;
        fb.bind_framebuffer(GL_FRAMEBUFFER, framebuffer);
        fb.framebuffer_texture_2d(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
        fb.framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffer);
        fb.framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, renderbuffer);
        GLenum status = fb.check_framebuffer_status(GL_FRAMEBUFFER);
        fb.bind_framebuffer(GL_FRAMEBUFFER, 0);

        // A driver that cannot draw into this combination says so here; the
        // target then stays, but drawing into it has no effect.
        o.drawable = status == GL_FRAMEBUFFER_COMPLETE;
        if (!o.drawable)
            runtime_warning("lum::RenderTarget::create", "Framebuffer incomplete", "status",
                            static_cast<int32_t>(status));
        return o;
    }

    void delete_target(const TargetObjects& o) override {
        // Once the window and its context are gone, so are the objects.
        if (!platform::context_current())
            return;
        const FramebufferEntryPoints& fb = framebuffer_functions();
        GLuint renderbuffer = o.renderbuffer, texture = o.texture, framebuffer = o.framebuffer;
        if (renderbuffer && fb.delete_renderbuffers)
            fb.delete_renderbuffers(1, &renderbuffer);
        if (texture) {
            if (texture == bound_)
                stop_texturing();
            glDeleteTextures(1, &texture);
        }
        if (framebuffer && fb.delete_framebuffers)
            fb.delete_framebuffers(1, &framebuffer);
    }

    uint32_t create_texture(int32_t side, const uint8_t* rgba, bool smooth) override {
        // Rows of 4-byte pixels need no padding.
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        stop_texturing();
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        apply_filter(smooth);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        glBindTexture(GL_TEXTURE_2D, 0);
        return name;
    }

    void set_texture_filter(uint32_t texture, bool smooth) override {
        stop_texturing();
        glBindTexture(GL_TEXTURE_2D, texture);
        apply_filter(smooth);
        glBindTexture(GL_TEXTURE_2D, 0);
    }

    void delete_texture(uint32_t texture) override {
        // Without a context the texture went with it; there is nothing to delete.
        if (texture == 0 || !platform::context_current())
            return;
        // A deleted name may come back from glGenTextures for another texture.
        if (texture == bound_)
            stop_texturing();
        GLuint name = texture;
        glDeleteTextures(1, &name);
    }

    void clear(const RGBA& c) override {
        if (c.a == 0 || c.a == 255) {
            glDisable(GL_BLEND);
        } else {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    void clear_viewport(const RGBA& c) override {
        const std::array<GLint, 4> v = current_viewport();
        clear_box(c, v[0], v[1], int64_t{v[0]} + v[2], int64_t{v[1]} + v[3], *this);
    }

    void clear_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height) override {
        const std::array<GLint, 4> v = current_viewport();
        // Rows of the 2D space run downwards from the viewport's top edge.
        const int64_t top = int64_t{v[1]} + v[3];
        clear_box(c, std::max<int64_t>(int64_t{v[0]} + x, v[0]), std::max<int64_t>(top - y - height, v[1]),
                  std::min<int64_t>(int64_t{v[0]} + x + width, int64_t{v[0]} + v[2]),
                  std::min<int64_t>(top - y, top), *this);
    }

    void draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height,
                   float line_width, float angle) override {
        float hw = width * 0.5f;
        float hh = height * 0.5f;
        stop_texturing();
        place(x + hw, y + hh, angle);
        if (line_width <= 0) {
            fan(colours, {{{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}}}, GL_TRIANGLE_FAN);
        } else {
            std::array<Corner, 4> corners = {{{-hw - 0.5f, -hh + 0.5f},
                                              {hw - 0.5f, -hh + 0.5f},
                                              {hw - 0.5f, hh + 0.5f},
                                              {-hw - 0.5f, hh + 0.5f}}};
            // Points at the corners square off the joints of thick lines.
            if (line_width > 1.0f) {
                glPointSize(line_width);
                fan(colours, corners, GL_POINTS);
            }
            glLineWidth(line_width);
            fan(colours, corners, GL_LINE_LOOP);
        }
        glPopMatrix();
    }

    void draw_round_rect(const ColourList& colours, float x, float y, float width, float height, float r,
                         float angle) override {
        float hw = width * 0.5f;
        float hh = height * 0.5f;
        stop_texturing();
        StencilMask mask;
        mask.begin();
        glEnable(GL_POLYGON_SMOOTH);
        glEnable(GL_LINE_SMOOTH);
        glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
        colour(colours.corner(0));
        place(x + hw, y + hh, angle);
        corner_piece(hw, hh, r, -1, -1);
        corner_piece(hw, hh, r, 1, -1);
        corner_piece(hw, hh, r, 1, 1);
        corner_piece(hw, hh, r, -1, 1);
        glPopMatrix();

        // Smoothing only shaped the stencil; left on, drivers that honour it would
        // draw every later quad with a seam along its diagonal.
        glDisable(GL_POLYGON_SMOOTH);
        mask.cover();
        draw_rect(colours, x, y, static_cast<int32_t>(width), static_cast<int32_t>(height), 0, angle);
        mask.end();
    }

    void draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>& corners, float cx, float cy,
                            float width, float height, float angle) override {
        float hw = width * 0.5f;
        float hh = height * 0.5f;
        const float xs[4] = {-hw, hw, hw, -hw};
        const float ys[4] = {-hh, -hh, hh, hh};
        place(cx, cy, angle);
        use_texture(texture);
        glBegin(GL_TRIANGLE_FAN);
        for (int i = 0; i < 4; ++i) {
            colour(corners[i].colour);
            glTexCoord2f(corners[i].s, corners[i].t);
            glVertex2f(xs[i], ys[i]);
        }
        glEnd();
        glPopMatrix();
    }

    void enable_blending(uint32_t source, uint32_t destination) override {
        glEnable(GL_BLEND);
        glBlendFunc(source, destination);
    }

    void disable_blending() override { glDisable(GL_BLEND); }

    bool read_pixels(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t* rgba) override {
        // Rows of 4-byte pixels need no padding, whatever the pack alignment.
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return true;
    }

  private:
    // Quads from one texture in a row leave texturing on and the texture bound.
    // A software driver keeps a copy of the drawing state (tens of kilobytes)
    // for every change until the frame is drawn, so turning it off after each
    // glyph made a text screen cost tens of megabytes.
    void use_texture(uint32_t texture) {
        if (!texturing_) {
            glEnable(GL_TEXTURE_2D);
            texturing_ = true;
        }
        if (bound_ != texture) {
            glBindTexture(GL_TEXTURE_2D, texture);
            bound_ = texture;
        }
    }

    // Untextured drawing and texture work start from no texture at all.
    void stop_texturing() {
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);
        texturing_ = false;
        bound_ = 0;
    }

    bool texturing_ = false;
    uint32_t bound_ = 0;
};

} // namespace

RenderBackend& gl_renderer() {
    // Never destroyed: render targets and font pages may be released at exit.
    static RenderBackend* renderer = new GlRenderer;
    return *renderer;
}

} // namespace lum
