#pragma once

#include "lum/graphics/to_string_interface.hpp"

#include <cstdint>

namespace lum {

// A rectangle: top-left corner and size.
class Rect : public ToStringInterface {
  public:
    Rect() = default;
    Rect(int32_t x, int32_t y, int32_t width, int32_t height) : x(x), y(y), width(width), height(height) {}

    // "(1,2,30,40)".
    String to_string() const override;

    friend bool operator==(const Rect& a, const Rect& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }

    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

} // namespace lum
