#pragma once

#include "lum/graphics/colour.hpp"

#include <vector>

namespace lum {

// The corner colours of a rectangle: top-left, top-right, bottom-right,
// bottom-left. A corner beyond the end of the list is opaque white.
class ColourList {
  public:
    ColourList() = default;
    // Four corners of one colour.
    ColourList(const RGBA& c) : colours_{c, c, c, c} {}
    ColourList(const RGBA& top_left, const RGBA& top_right, const RGBA& bottom_right, const RGBA& bottom_left)
        : colours_{top_left, top_right, bottom_right, bottom_left} {}

    void push_back(const RGBA& c) { colours_.push_back(c); }
    int count() const { return static_cast<int>(colours_.size()); }

    // Entry i, or opaque white when the list has none there.
    RGBA corner(int i) const {
        if (i < 0 || i >= count())
            return RGBA(255, 255, 255, 255);
        return colours_[i];
    }

    bool operator==(const ColourList&) const = default;

  private:
    std::vector<RGBA> colours_;
};

} // namespace lum
