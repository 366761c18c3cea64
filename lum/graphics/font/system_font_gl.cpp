#include "lum/graphics/font/system_font_gl.hpp"

#include "lum/graphics/draw.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

uint32_t create_page_texture(const uint8_t* rgba) {
    // Uploading must not blend, and the rows are tightly packed.
    glDisable(GL_BLEND);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, CHARSET_TEXTURE_SIZE, CHARSET_TEXTURE_SIZE, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, rgba);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

void delete_page_texture(uint32_t texture) {
    // Without a context the texture went with it; there is nothing to delete.
    if (!platform::context_current())
        return;
    GLuint name = texture;
    glDeleteTextures(1, &name);
}

} // namespace

const TextureHooks& gl_texture_hooks() {
    static const TextureHooks hooks{create_page_texture, delete_page_texture};
    return hooks;
}

void build_system_font(const RGBA& background) {
    SystemFont::build(background, gl_texture_hooks());
}

void draw_glyph(const Charset* charset, uint32_t code, int32_t x, int32_t y, int32_t width, int32_t height,
                const RGBA& colour, int32_t angle) {
    if (charset == nullptr || charset->texture == 0 || colour.a == 0)
        return;
    const GlyphCell c = charset->cell_of(code);
    draw_textured_quad(
        charset->texture,
        {{{c.s0, c.t0, colour}, {c.s1, c.t0, colour}, {c.s1, c.t1, colour}, {c.s0, c.t1, colour}}},
        static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height),
        static_cast<float>(angle));
}

} // namespace lum
