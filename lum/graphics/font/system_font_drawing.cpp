#include "lum/graphics/font/system_font_drawing.hpp"

#include "lum/graphics/draw.hpp"
#include "lum/graphics/render_backend.hpp"

namespace lum {

namespace {

uint32_t create_page_texture(const uint8_t* rgba) {
    return render_backend().create_texture(CHARSET_TEXTURE_SIZE, rgba, true);
}

void delete_page_texture(uint32_t texture) {
    render_backend().delete_texture(texture);
}

} // namespace

const TextureHooks& renderer_texture_hooks() {
    static const TextureHooks hooks{create_page_texture, delete_page_texture};
    return hooks;
}

void build_system_font(const RGBA& background) {
    SystemFont::build(background, renderer_texture_hooks());
}

void draw_glyph(const Charset* charset, uint32_t code, int32_t x, int32_t y, int32_t width, int32_t height,
                const RGBA& colour, int32_t angle) {
    if (charset == nullptr || colour.a == 0)
        return;
    const uint32_t texture = charset->drawing_texture();
    if (texture == 0)
        return;
    const GlyphCell c = charset->cell_of(code);
    draw_textured_quad(
        texture,
        {{{c.s0, c.t0, colour}, {c.s1, c.t0, colour}, {c.s1, c.t1, colour}, {c.s0, c.t1, colour}}},
        static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height),
        static_cast<float>(angle));
}

} // namespace lum
