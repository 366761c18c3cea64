#pragma once

#include "lum/graphics/colour.hpp"
#include "lum/graphics/colour_list.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/renderer.hpp"

#include <array>
#include <cstdint>

namespace lum {

// The objects behind one render target; a name is 0 when there is none.
struct TargetObjects {
    uint32_t texture = 0;
    uint32_t renderbuffer = 0;
    uint32_t framebuffer = 0;
    // Whether drawing into the target lands in it, so that it can be cleared.
    bool drawable = false;
};

// The drawing operations of one renderer, chosen once at graphics start: the
// OpenGL one, or the null one when OpenGL could not start. The free functions
// of renderer.hpp, draw.hpp and render_target.hpp keep the shared state (the
// target stack, the viewport, the sizes) and leave the device work to the
// renderer in use, so no caller ever asks whether graphics are ready.
class RenderBackend {
  public:
    virtual ~RenderBackend() = default;

    // Makes entry's framebuffer current with its viewport and a 2D projection
    // of its size, origin at the top left.
    virtual void use_target(const TargetEntry& entry) = 0;
    // Makes the window current with blending on and a 2D projection of the
    // logical screen size; the viewport is set apart.
    virtual void use_window(int32_t screen_width, int32_t screen_height) = 0;
    // Sets the viewport of the current framebuffer.
    virtual void set_viewport(int32_t x, int32_t y, int32_t width, int32_t height) = 0;

    // Creates the texture, renderbuffer and framebuffer of a width x height target.
    virtual TargetObjects create_target(int32_t width, int32_t height) = 0;
    // Deletes a target's objects: renderbuffer, texture, framebuffer; 0 names are skipped.
    virtual void delete_target(const TargetObjects& objects) = 0;

    // Makes a side x side RGBA texture of rgba (rows top first), filtered
    // linearly when smooth and by nearest texel otherwise; returns its name.
    virtual uint32_t create_texture(int32_t side, const uint8_t* rgba, bool smooth) = 0;
    // Changes a texture's filtering.
    virtual void set_texture_filter(uint32_t texture, bool smooth) = 0;
    // Deletes a texture made by create_texture.
    virtual void delete_texture(uint32_t texture) = 0;

    // As clear_target, clear_viewport and clear_target_rect of draw.hpp.
    virtual void clear(const RGBA& c) = 0;
    virtual void clear_viewport(const RGBA& c) = 0;
    virtual void clear_rect(const RGBA& c, int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // As draw_rect of draw.hpp.
    virtual void draw_rect(const ColourList& colours, float x, float y, int32_t width, int32_t height,
                           float line_width, float angle) = 0;
    // A filled rectangle with its corners rounded to radius, which is above 0
    // and at most half the width and half the height.
    virtual void draw_round_rect(const ColourList& colours, float x, float y, float width, float height,
                                 float radius, float angle) = 0;
    // As draw_textured_quad of draw.hpp.
    virtual void draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>& corners, float cx,
                                    float cy, float width, float height, float angle) = 0;
    // Blends what is drawn next with these factors (OpenGL's blend factor codes).
    virtual void enable_blending(uint32_t source, uint32_t destination) = 0;
    // What is drawn next replaces the pixels under it, alpha included.
    virtual void disable_blending() = 0;

    // Copies the RGBA pixels of a rectangle of the current target, rows from
    // the bottom, into rgba; false when the renderer holds no pixels to read.
    virtual bool read_pixels(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t* rgba) = 0;
};

// The renderer in use, behind the frame recorder (frame_drawing.hpp): the
// null one until graphics start chooses.
RenderBackend& render_backend();

// Makes backend the renderer in use; it must live for the rest of the process.
void use_render_backend(RenderBackend& backend);

} // namespace lum
