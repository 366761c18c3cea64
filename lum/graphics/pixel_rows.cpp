#include "lum/graphics/pixel_rows.hpp"

#include "lum/graphics/gl/gl.hpp"

namespace lum {

void read_pixel_row(int32_t x, int32_t y, int32_t width, uint8_t* rgba) {
    // Rows of 4-byte pixels need no padding, whatever the pack alignment.
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x, y, width, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

} // namespace lum
