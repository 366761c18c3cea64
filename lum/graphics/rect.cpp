#include "lum/graphics/rect.hpp"

#include "lum/text/format.hpp"

namespace lum {

String Rect::to_string() const {
    return Format("({0},{1},{2},{3})", x, y, width, height);
}

} // namespace lum
