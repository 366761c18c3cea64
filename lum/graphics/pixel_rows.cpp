#include "lum/graphics/pixel_rows.hpp"

#include "lum/graphics/render_backend.hpp"

namespace lum {

bool read_pixel_row(int32_t x, int32_t y, int32_t width, uint8_t* rgba) {
    return render_backend().read_pixels(x, y, width, 1, rgba);
}

} // namespace lum
