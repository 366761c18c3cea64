#include "lum/graphics/null_renderer.hpp"

namespace lum {

namespace {

class NullRenderer : public RenderBackend {
  public:
    void use_target(const TargetEntry&) override {}
    void use_window(int32_t, int32_t) override {}
    void set_viewport(int32_t, int32_t, int32_t, int32_t) override {}

    // A target with no objects still takes its part in the target stack, as
    // a drawable one does, so the state follows the same steps.
    TargetObjects create_target(int32_t, int32_t) override { return {0, 0, 0, true}; }
    void delete_target(const TargetObjects&) override {}

    uint32_t create_texture(int32_t, const uint8_t*, bool) override { return 0; }
    void set_texture_filter(uint32_t, bool) override {}
    void delete_texture(uint32_t) override {}

    void clear(const RGBA&) override {}
    void clear_viewport(const RGBA&) override {}
    void clear_rect(const RGBA&, int32_t, int32_t, int32_t, int32_t) override {}
    void draw_rect(const ColourList&, float, float, int32_t, int32_t, float, float) override {}
    void draw_round_rect(const ColourList&, float, float, float, float, float, float) override {}
    void draw_textured_quad(uint32_t, const std::array<QuadCorner, 4>&, float, float, float, float,
                            float) override {}
    void enable_blending(uint32_t, uint32_t) override {}
    void disable_blending() override {}

    bool read_pixels(int32_t, int32_t, int32_t, int32_t, uint8_t*) override { return false; }
};

} // namespace

RenderBackend& null_renderer() {
    // Never destroyed: render targets and font pages may be released at exit.
    static RenderBackend* renderer = new NullRenderer;
    return *renderer;
}

} // namespace lum
