#pragma once

#include "lum/data/path.hpp"
#include "lum/graphics/colour.hpp"
#include "lum/text/string.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace lum {

// The largest width or height of a picture, in pixels.
inline constexpr int32_t PICTURE_MAX_SIDE = 4096;

// The name of a FreeImage format code (13 gives "PNG"); "Unknown" for any code
// outside 0..34.
String picture_format_name(int32_t code);

// The smallest power of two that is at least width and at least height (1 for
// sizes below 1).
int32_t picture_texture_side(int32_t width, int32_t height);

// An image file decoded through FreeImage into one square RGBA texture and
// drawn as a textured quad with per-corner colours, an opacity and a rotation.
// Files are read through File, so scrambled assets load like plain ones.
// Each draw consumes the draw state (size, angle, opacity, corner colours) set
// before it.
class Picture {
  public:
    // Corner colour indices, in drawing order.
    enum Corner : int32_t {
        TOP_LEFT = 0,
        TOP_RIGHT = 1,
        BOTTOM_RIGHT = 2,
        BOTTOM_LEFT = 3,
    };

    // Empty: no texture, size 0, white corners.
    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    // Deletes the texture, if any.
    ~Picture();

    // Decodes the file and uploads it to a new texture of the renderer in use
    // (none under the null renderer, which then draws nothing). Throws
    // FileOpenException when the file cannot be opened, PictureFormatException
    // for an unknown, unreadable or unsupported file and PictureSizeException
    // for a width or height of 0 or above 4096. A failed load leaves the
    // picture as it was.
    void load(const Path& path);

    // Decodes the file into pixels() like load, without uploading it: for tools
    // and checks that have no OpenGL context. A texture of an earlier load no
    // longer matches and is deleted, so the picture then draws nothing.
    void decode(const Path& path);

    // Draws with the top-left corner at (x, y), size w x h, rotated by angle
    // degrees (clockwise on screen) about its centre, then resets the draw
    // state. A picture without a texture draws nothing.
    void draw(float x, float y, float w, float h, float angle);
    // Draws at (x, y) with the draw state's size and angle.
    void draw(float x, float y);

    // Opacity for the next draw, clamped to 0..255; it scales every corner's alpha.
    void set_opacity(int32_t opacity);
    // One corner's colour for the next draw; an index outside 0..3 is refused
    // with a runtime warning.
    void set_corner_colour(int32_t corner, const RGBA& colour);
    // All four corners' colour for the next draw.
    void set_corner_colours(const RGBA& colour);
    // Size used by draw(x, y).
    void set_draw_size(float width, float height);
    // Angle in degrees used by draw(x, y).
    void set_angle(float degrees);
    // Draw size = the picture's size, angle 0, opacity 255, white corners.
    void reset_draw_state();

    // GL_LINEAR filtering when set, GL_NEAREST otherwise; applies to the
    // current texture at once and to later loads.
    void set_smooth(bool smooth);
    bool smooth() const { return smooth_; }

    // The file the picture came from.
    const Path& path() const { return path_; }
    // FreeImage's format code of the file, -1 before a load.
    int32_t format() const { return format_; }
    // The format's name ("PNG"); "Unknown" before a load.
    const String& format_name() const { return format_name_; }
    float draw_width() const { return draw_width_; }
    float draw_height() const { return draw_height_; }
    float angle() const { return angle_; }
    int32_t opacity() const { return opacity_; }
    const RGBA& corner_colour(Corner corner) const { return corners_[corner]; }
    // The file has 32 bits per pixel.
    bool has_alpha() const { return has_alpha_; }
    // The file carried the scrambled-asset marker.
    bool scrambled() const { return scrambled_; }
    // The renderer's texture, 0 when none.
    uint32_t texture() const { return texture_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // 8, 15, 16, 24 or 32; 0 before a load.
    int32_t bits_per_pixel() const { return bits_per_pixel_; }
    // Width and height of the square texture (a power of two); 0 before a load.
    int32_t texture_side() const { return texture_side_; }
    // side x side RGBA bytes, row 0 at the top; the image fills the top-left
    // width x height part, the rest is transparent black.
    const std::vector<uint8_t>& pixels() const { return pixels_; }
    // The RGBA pixel at (x, y) of the texture (row 0 at the top); transparent
    // black outside the texture.
    RGBA pixel(int32_t x, int32_t y) const;

  private:
    void upload();
    void delete_texture();

    Path path_;
    bool smooth_ = false;
    int32_t format_ = -1;
    String format_name_ = "Unknown";
    float draw_width_ = 0;
    float draw_height_ = 0;
    float angle_ = 0;
    int32_t opacity_ = 255;
    std::array<RGBA, 4> corners_ = {RGBA(255, 255, 255, 255), RGBA(255, 255, 255, 255),
                                    RGBA(255, 255, 255, 255), RGBA(255, 255, 255, 255)};
    bool has_alpha_ = false;
    bool scrambled_ = false;
    uint32_t texture_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t bits_per_pixel_ = 0;
    int32_t texture_side_ = 0;
    std::vector<uint8_t> pixels_;
};

} // namespace lum
