#include "lum/graphics/draw.hpp"

#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/render_target.hpp"

#include <algorithm>
#include <cmath>

namespace lum {

namespace {

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

} // namespace

void clear_target(const RGBA& c) {
    if (c.a == 0 || c.a == 255) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

namespace {

// Clears the pixels x0..x1-1, y0..y1-1 in OpenGL's window coordinates, rows
// counted from the bottom.
void clear_box(const RGBA& c, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    if (x1 <= x0 || y1 <= y0)
        return;
    glScissor(static_cast<GLint>(x0), static_cast<GLint>(y0), static_cast<GLsizei>(x1 - x0),
              static_cast<GLsizei>(y1 - y0));
    glEnable(GL_SCISSOR_TEST);
    clear_target(c);
    glDisable(GL_SCISSOR_TEST);
}

std::array<GLint, 4> current_viewport() {
    std::array<GLint, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

} // namespace

void clear_viewport(const RGBA& c) {
    const std::array<GLint, 4> v = current_viewport();
    clear_box(c, v[0], v[1], int64_t{v[0]} + v[2], int64_t{v[1]} + v[3]);
}

void clear_target_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height) {
    const std::array<GLint, 4> v = current_viewport();
    // Rows of the 2D space run downwards from the viewport's top edge.
    const int64_t top = int64_t{v[1]} + v[3];
    clear_box(c, std::max<int64_t>(int64_t{v[0]} + x, v[0]), std::max<int64_t>(top - y - height, v[1]),
              std::min<int64_t>(int64_t{v[0]} + x + width, int64_t{v[0]} + v[2]),
              std::min<int64_t>(top - y, top));
}

void clear_target(const RGB& c) {
    clear_target(RGBA(c, 255));
}

void draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height, float line_width,
               float angle) {
    float hw = width * 0.5f;
    float hh = height * 0.5f;
    glDisable(GL_TEXTURE_2D);
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

void StencilMask::begin() {
    if (active_)
        end();
    active_ = true;
    glEnable(GL_STENCIL_TEST);
    glStencilOp(GL_KEEP, GL_REPLACE, GL_REPLACE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glStencilFunc(GL_ALWAYS, 1, 0xFFFFFFFF);
    glClear(GL_STENCIL_BUFFER_BIT);
}

void StencilMask::cover() {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glStencilFunc(GL_EQUAL, 0, 0xFFFFFFFF);
}

void StencilMask::end() {
    if (!active_)
        return;
    active_ = false;
    // Colour writes come back even when drawing stopped between begin and cover.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_STENCIL_TEST);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void draw_round_rect(const ColourList& colours, float x, float y, float width, float height, float radius,
                     float angle) {
    if (radius <= 0) {
        draw_rect(colours, x, y, static_cast<int32_t>(width), static_cast<int32_t>(height), 0, angle);
        return;
    }
    float hw = width * 0.5f;
    float hh = height * 0.5f;
    float r = std::min({radius, hw, hh});

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
                        float width, float height, float angle) {
    float hw = width * 0.5f;
    float hh = height * 0.5f;
    const float xs[4] = {-hw, hw, hw, -hw};
    const float ys[4] = {-hh, -hh, hh, hh};
    place(cx, cy, angle);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < 4; ++i) {
        colour(corners[i].colour);
        glTexCoord2f(corners[i].s, corners[i].t);
        glVertex2f(xs[i], ys[i]);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

void draw_target(const RenderTarget& target, float cx, float cy, float width, float height, float angle) {
    const auto& c = target.corners;
    if (c[0].a == 0 && c[1].a == 0 && c[2].a == 0 && c[3].a == 0)
        return;
    glEnable(GL_BLEND);
    glBlendFunc(target.source_blend, target.destination_blend);
    // A framebuffer texture holds its first row at the bottom: v runs upwards.
    draw_textured_quad(target.texture(), {{{0, 1, c[0]}, {1, 1, c[1]}, {1, 0, c[2]}, {0, 0, c[3]}}}, cx, cy,
                       width, height, angle);
}

void draw_target(const RenderTarget& target, float x, float y, float width, float height) {
    draw_target(target, x + width * 0.5f, y + height * 0.5f, width, height, 0);
}

} // namespace lum
