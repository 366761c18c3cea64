#pragma once

#include "lum/core/vector.hpp"
#include "lum/graphics/colour.hpp"
#include "lum/graphics/font/glyph_block.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace lum {

// A page's texture is 16 x 16 cells of 8 x 8 pixels, RGBA, 4 bytes a pixel.
inline constexpr int32_t CHARSET_TEXTURE_SIZE = 128;

// Texture coordinates of one glyph's cell: left, top, right, bottom.
struct GlyphCell {
    float s0 = 0;
    float t0 = 0;
    float s1 = 0;
    float t1 = 0;
};

// The glyph palette: 0 the font's background colour, 1 opaque white, 2 opaque black,
// 3 white at 160 of 255.
std::array<RGBA, 4> glyph_palette(const RGBA& background);

// Paints a page's texture pixels: the test pattern, so that cells without a glyph are
// visibly not blank, then each glyph in the cell of its code through the glyph palette.
// pixels is resized to 128 x 128 x 4 bytes.
void paint_glyph_texture(const GlyphBlock& block, const RGBA& background, std::vector<uint8_t>& pixels);

// One font page as a texture. The renderer creates and frees the texture through the
// hooks given to SystemFont::build, a built-in page when it is first drawn;
// everything else here needs no OpenGL.
class Charset {
  public:
    Charset() = default;
    Charset(const Charset&) = delete;
    Charset& operator=(const Charset&) = delete;
    // Frees the texture through the font's destroy hook.
    virtual ~Charset();

    uint8_t page = 0;
    // OpenGL texture name; 0 when none (a built-in page until it is first drawn).
    // Mutable: drawing a page makes it.
    mutable uint32_t texture = 0;
    // Glyph count + first code - 1: 127 for the ASCII pages, 255, 63 or 15 for the others.
    uint32_t code_mask = 0;
    // Used only when the mask is 0.
    uint32_t code_modulus = 0;
    int32_t glyphs_per_row = 16;
    float glyph_width = 0.0625f;
    float glyph_height = 0.0625f;

    // Sets the fields for page n of block and paints its texture pixels (the old texture
    // is freed first); the caller turns the pixels into the texture.
    void prepare(uint8_t n, const GlyphBlock& block, const RGBA& background, std::vector<uint8_t>& pixels);
    // Texture cell index of a code: code AND mask (code mod modulus when the mask is 0), as 16 bits.
    uint16_t glyph_index(uint32_t code) const;
    // Texture coordinates of the cell that code draws.
    GlyphCell cell_of(uint32_t code) const;
    // Frees the texture, if any.
    void release_texture();
    // The texture to draw with: a built-in page makes it from its glyphs on first
    // use. 0 when there is none to be had.
    uint32_t drawing_texture() const;

  private:
    friend class SystemFont;
    // Sets the fields for page n of block.
    void describe(uint8_t n, const GlyphBlock& block);
    // Where a built-in page's texture comes from when it is first drawn.
    const GlyphBlock* block_ = nullptr;
    RGBA background_;
};

// How the renderer turns painted pixels into a texture and frees it again.
struct TextureHooks {
    // Makes a 128 x 128 RGBA texture of the pixels and returns its name.
    uint32_t (*create)(const uint8_t* rgba) = nullptr;
    // Deletes a texture made by create.
    void (*destroy)(uint32_t texture) = nullptr;
};

// The process-wide registry of font pages: 256 slots indexed by page number, empty
// until the font is built; the sixty built-in Charsets live here for the whole process.
class SystemFont {
  public:
    static constexpr int32_t SLOTS = 256;

    // The Charset in slot page, or null for an empty slot or a page outside 0..255.
    static Charset* slot(int32_t page);
    // Registers the sixty built-in blocks as pages 0..59 with the given background
    // colour, freeing the textures of an earlier build; each page's texture is made
    // when it is first drawn. Throws the text "SYSTEMFONT DATA 0 EXCEPTION" when a
    // block is missing, and then changes nothing.
    static void build(const RGBA& background, const TextureHooks& hooks);
    // The same from a given block list (index = page), whose blocks must live as
    // long as the font; used by build.
    static void build_from(const Vector<const GlyphBlock*>& blocks, const RGBA& background,
                           const TextureHooks& hooks);
    // The hooks of the last build.
    static const TextureHooks& hooks();
};

} // namespace lum
