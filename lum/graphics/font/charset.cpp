#include "lum/graphics/font/charset.hpp"

namespace lum {

namespace {

Charset* slots[SystemFont::SLOTS] = {};
TextureHooks current_hooks;

Charset& builtin_charset(int32_t page) {
    // Never destroyed: their textures go with the window's context, and at
    // exit the platform that the renderer would ask about it may be gone.
    static Charset* charsets = new Charset[SYSTEM_FONT_PAGES];
    return charsets[page];
}

} // namespace

std::array<RGBA, 4> glyph_palette(const RGBA& background) {
    return {background, RGBA(255, 255, 255, 255), RGBA(0, 0, 0, 255), RGBA(255, 255, 255, 160)};
}

void paint_glyph_texture(const GlyphBlock& block, const RGBA& background, std::vector<uint8_t>& pixels) {
    const int32_t size = CHARSET_TEXTURE_SIZE;
    pixels.assign(static_cast<size_t>(size * size * 4), 0);
    for (int32_t r = 0; r < size; ++r)
        for (int32_t c = 0; c < size; ++c) {
            uint8_t* p = &pixels[static_cast<size_t>((r * size + c) * 4)];
            p[0] = static_cast<uint8_t>(255 - 2 * r);
            p[1] = static_cast<uint8_t>(255 - 2 * c);
            p[2] = static_cast<uint8_t>(r + c);
            p[3] = 255;
        }
    const std::array<RGBA, 4> palette = glyph_palette(background);
    for (int32_t g = 0; g < block.glyph_count(); ++g) {
        const int32_t code = g + block.first_code();
        const int32_t left = (code % 16) * 8;
        const int32_t top = (code / 16) * 8;
        if (top + 8 > size)
            break;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const RGBA& colour = palette[static_cast<size_t>(block.pixel(g, x, y))];
                uint8_t* p = &pixels[static_cast<size_t>(((top + y) * size + left + x) * 4)];
                p[0] = colour.r;
                p[1] = colour.g;
                p[2] = colour.b;
                p[3] = colour.a;
            }
    }
}

Charset::~Charset() {
    release_texture();
}

void Charset::release_texture() {
    if (texture != 0 && current_hooks.destroy != nullptr)
        current_hooks.destroy(texture);
    texture = 0;
}

void Charset::prepare(uint8_t n, const GlyphBlock& block, const RGBA& background,
                      std::vector<uint8_t>& pixels) {
    release_texture();
    paint_glyph_texture(block, background, pixels);
    describe(n, block);
}

void Charset::describe(uint8_t n, const GlyphBlock& block) {
    page = n;
    code_mask = static_cast<uint32_t>(block.glyph_count() + block.first_code() - 1);
    code_modulus = 0;
    glyphs_per_row = 16;
    glyph_width = 0.0625f;
    glyph_height = 0.0625f;
}

uint32_t Charset::drawing_texture() const {
    if (texture == 0 && block_ != nullptr && current_hooks.create != nullptr) {
        std::vector<uint8_t> pixels;
        paint_glyph_texture(*block_, background_, pixels);
        texture = current_hooks.create(pixels.data());
    }
    return texture;
}

uint16_t Charset::glyph_index(uint32_t code) const {
    if (code_mask != 0)
        return static_cast<uint16_t>(code & code_mask);
    return static_cast<uint16_t>(code_modulus != 0 ? code % code_modulus : code);
}

GlyphCell Charset::cell_of(uint32_t code) const {
    const uint16_t index = glyph_index(code);
    GlyphCell cell;
    cell.s0 = static_cast<float>(index % 16) * 0.0625f;
    cell.t0 = static_cast<float>(index / 16) * 0.0625f;
    cell.s1 = cell.s0 + 0.0625f;
    cell.t1 = cell.t0 + 0.0625f;
    return cell;
}

Charset* SystemFont::slot(int32_t page) {
    return page >= 0 && page < SLOTS ? slots[page] : nullptr;
}

const TextureHooks& SystemFont::hooks() {
    return current_hooks;
}

void SystemFont::build(const RGBA& background, const TextureHooks& hooks) {
    Vector<const GlyphBlock*> blocks(SYSTEM_FONT_PAGES);
    for (int32_t n = 0; n < SYSTEM_FONT_PAGES; ++n)
        blocks.at(n) = builtin_glyph_block(n);
    build_from(blocks, background, hooks);
}

void SystemFont::build_from(const Vector<const GlyphBlock*>& blocks, const RGBA& background,
                            const TextureHooks& hooks) {
    // Every block is checked before a page changes, so a failed build keeps the old font.
    for (int32_t n = 0; n < SYSTEM_FONT_PAGES; ++n)
        if (blocks.at(n) == nullptr)
            throw "SYSTEMFONT DATA 0 EXCEPTION";
    for (int32_t n = 0; n < SYSTEM_FONT_PAGES; ++n) {
        Charset& charset = builtin_charset(n);
        // The old texture goes through the hooks that made it.
        charset.release_texture();
        charset.block_ = blocks.at(n);
        charset.background_ = background;
        charset.describe(static_cast<uint8_t>(n), *charset.block_);
        slots[n] = &charset;
    }
    // Pages become textures when first drawn: a program shows a few of the
    // sixty, and each costs a 64 KiB texture.
    current_hooks = hooks;
}

} // namespace lum
