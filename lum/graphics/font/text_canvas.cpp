#include "lum/graphics/draw.hpp"
#include "lum/graphics/font/system_font_drawing.hpp"
#include "lum/graphics/font/text_screen.hpp"
#include "lum/graphics/render_backend.hpp"
#include "lum/graphics/renderer.hpp"

namespace lum {

namespace {

class RendererTextCanvas : public TextCanvas {
  public:
    void create(RenderTarget& target, int32_t width, int32_t height) override {
        target.create(width, height);
    }

    void release(RenderTarget& target) override { target.release(); }

    void clear(RenderTarget& target) override {
        push_target(target);
        clear_target(RGBA(0, 0, 0, 0));
        pop_target();
    }

    void begin(RenderTarget& target) override {
        push_target(target);
        // Glyphs and fills replace the pixels under them, alpha included.
        render_backend().disable_blending();
    }

    // A clear leaves the same pixels as a filled rectangle with blending off,
    // without shading one.
    void fill(const Rect& pixels) override {
        clear_target_rect(RGBA(0, 0, 0, 0), pixels.x, pixels.y, pixels.width, pixels.height);
    }

    void glyph(const Charset& charset, uint32_t code, int32_t x, int32_t y, int32_t width, int32_t height,
               const RGBA& colour, int32_t angle) override {
        draw_glyph(&charset, code, x, y, width, height, colour, angle);
    }

    void end(RenderTarget&) override { pop_target(); }
};

} // namespace

TextCanvas& renderer_text_canvas() {
    static RendererTextCanvas canvas;
    return canvas;
}

} // namespace lum
