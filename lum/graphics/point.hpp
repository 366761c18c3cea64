#pragma once

#include "lum/graphics/to_string_interface.hpp"

#include <cstdint>

namespace lum {

// A position in pixels.
class Point : public ToStringInterface {
  public:
    Point() = default;
    Point(int32_t x, int32_t y) : x(x), y(y) {}

    // "(3,-4)".
    String to_string() const override;

    friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

    int32_t x = 0;
    int32_t y = 0;
};

} // namespace lum
