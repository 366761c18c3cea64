#pragma once

#include "lum/graphics/colour.hpp"
#include "lum/graphics/font/charset.hpp"

#include <cstdint>

namespace lum {

// The system font on the renderer in use: page textures and glyph quads.

// Texture hooks that make each page a 128 x 128 RGBA texture of the renderer
// in use, with linear filtering and repeat wrapping, and delete it again.
const TextureHooks& renderer_texture_hooks();

// Builds the sixty pages as textures with the given background colour;
// graphics start calls it once OpenGL has started.
void build_system_font(const RGBA& background);

// Draws glyph code of charset as a width x height quad centred on (x, y),
// rotated clockwise by angle degrees and tinted by colour. A negative width or
// height mirrors it. Nothing is drawn for a missing charset, a charset without
// texture or a colour with alpha 0.
void draw_glyph(const Charset* charset, uint32_t code, int32_t x, int32_t y, int32_t width, int32_t height,
                const RGBA& colour, int32_t angle);

} // namespace lum
