#pragma once

#include "lum/graphics/font/charset.hpp"
#include "lum/graphics/colour.hpp"

#include <cstdint>

namespace lum {

// The OpenGL side of the system font: page textures and glyph quads.

// Texture hooks that make each page a 128 x 128 RGBA texture with linear
// filtering and repeat wrapping, and delete it again (only while a context is
// current: the Charsets are destroyed at process exit, after the window).
const TextureHooks& gl_texture_hooks();

// Builds the sixty pages as OpenGL textures with the given background colour;
// graphics start calls it once the context exists.
void build_system_font(const RGBA& background);

// Draws glyph code of charset as a width x height quad centred on (x, y),
// rotated clockwise by angle degrees and tinted by colour. A negative width or
// height mirrors it. Nothing is drawn for a missing charset, a charset without
// texture or a colour with alpha 0.
void draw_glyph(const Charset* charset, uint32_t code, int32_t x, int32_t y, int32_t width, int32_t height,
                const RGBA& colour, int32_t angle);

} // namespace lum
