#pragma once

#include "lum/graphics/colour.hpp"
#include "lum/graphics/colour_list.hpp"

#include <array>
#include <cstdint>

namespace lum {

class RenderTarget;

// Drawing into the current target. Coordinates are pixels of its 2D space
// (origin top left, y down); angles are degrees, clockwise on the screen.
// Each operation goes to the renderer in use (render_backend.hpp): under the
// null renderer it draws nothing.

// Clears the current target to c. An alpha of 0 or 255 turns blending off,
// any other alpha turns it on; that state stays for the drawing that follows.
void clear_target(const RGBA& c);
// Clears to c with alpha 255.
void clear_target(const RGB& c);

// Clears the pixels of the current viewport to c, the pixels that a filled
// rectangle over the whole 2D space covers, without drawing one; blending
// follows c's alpha as in clear_target.
void clear_viewport(const RGBA& c);

// Clears the pixels (x, y, width, height) of the current render target, whose
// 2D space is its pixel grid, to c: the pixels a filled rectangle there covers,
// kept within the viewport. Blending follows c's alpha as in clear_target.
void clear_target_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height);

// A rectangle with its top-left corner at (x, y), rotated about its centre,
// corner colours from colours. A line width of 0 or less fills it, more
// draws its outline with lines of that width (and square corners).
void draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height,
               float line_width = 0, float angle = 0);

// A filled rectangle with corners rounded to radius (at most half the width
// and half the height), cut out with the stencil buffer; a radius of 0 or
// less gives a plain filled rectangle.
void draw_round_rect(const ColourList& colours, float x, float y, float width, float height, float radius,
                     float angle = 0);

// Draws target as a quad of width x height centred on (cx, cy), rotated by
// angle and tinted by its corner colours, with its own blend factors.
// Nothing is drawn when all four corner alphas are 0.
void draw_target(const RenderTarget& target, float cx, float cy, float width, float height, float angle);
// The same with the quad's top-left corner at (x, y) and no rotation.
void draw_target(const RenderTarget& target, float x, float y, float width, float height);

// One corner of a textured quad: texture coordinates and tint.
struct QuadCorner {
    float s = 0;
    float t = 0;
    RGBA colour = RGBA(255, 255, 255, 255);
    bool operator==(const QuadCorner&) const = default;
};

// A textured quad of width x height centred on (cx, cy), rotated by angle;
// corners top-left, top-right, bottom-right, bottom-left. A negative width or
// height mirrors it. Blending is left as it is. Render targets and glyphs are
// drawn with it.
void draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>& corners, float cx, float cy,
                        float width, float height, float angle);

} // namespace lum
