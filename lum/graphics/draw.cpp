#include "lum/graphics/draw.hpp"

#include "lum/graphics/render_backend.hpp"
#include "lum/graphics/render_target.hpp"

#include <algorithm>

namespace lum {

void clear_target(const RGBA& c) {
    render_backend().clear(c);
}

void clear_target(const RGB& c) {
    clear_target(RGBA(c, 255));
}

void clear_viewport(const RGBA& c) {
    render_backend().clear_viewport(c);
}

void clear_target_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height) {
    render_backend().clear_rect(c, x, y, width, height);
}

void draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height, float line_width,
               float angle) {
    render_backend().draw_rect(colours, x, y, width, height, line_width, angle);
}

void draw_round_rect(const ColourList& colours, float x, float y, float width, float height, float radius,
                     float angle) {
    if (radius <= 0) {
        draw_rect(colours, x, y, static_cast<int32_t>(width), static_cast<int32_t>(height), 0, angle);
        return;
    }
    render_backend().draw_round_rect(colours, x, y, width, height,
                                     std::min({radius, width * 0.5f, height * 0.5f}), angle);
}

void draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>& corners, float cx, float cy,
                        float width, float height, float angle) {
    render_backend().draw_textured_quad(texture, corners, cx, cy, width, height, angle);
}

void draw_target(const RenderTarget& target, float cx, float cy, float width, float height, float angle) {
    const auto& c = target.corners;
    if (c[0].a == 0 && c[1].a == 0 && c[2].a == 0 && c[3].a == 0)
        return;
    render_backend().enable_blending(target.source_blend, target.destination_blend);
    // A framebuffer texture holds its first row at the bottom: v runs upwards.
    draw_textured_quad(target.texture(), {{{0, 1, c[0]}, {1, 1, c[1]}, {1, 0, c[2]}, {0, 0, c[3]}}}, cx, cy,
                       width, height, angle);
}

void draw_target(const RenderTarget& target, float x, float y, float width, float height) {
    draw_target(target, x + width * 0.5f, y + height * 0.5f, width, height, 0);
}

} // namespace lum
