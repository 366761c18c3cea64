#pragma once

#include <cstdint>

namespace lum {

// Copies width RGBA pixels (4 bytes each) of row y of the current target,
// starting at column x, into rgba. Rows count from the bottom, as OpenGL
// stores them. False when the renderer in use holds no pixels to read (the
// null renderer); rgba is then left as it was.
bool read_pixel_row(int32_t x, int32_t y, int32_t width, uint8_t* rgba);

} // namespace lum
