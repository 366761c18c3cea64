#include "lum/graphics/point.hpp"

#include "lum/text/format.hpp"

namespace lum {

String Point::to_string() const {
    return Format("({0},{1})", x, y);
}

} // namespace lum
