#pragma once

#include "lum/graphics/colour.hpp"

#include <array>
#include <cstdint>

namespace lum {

// The 256 colours of text cells. Entries 0..15 are the classic sixteen,
// 16..79 four rows of sixteen shaded from dark to light (entry 16 transparent),
// 80..255 opaque white. Text takes its colours from the working copy, which
// starts equal to the base table.
class TextPalette {
  public:
    static constexpr int32_t SIZE = 256;

    // Builds both tables by the palette rule.
    TextPalette();

    // Fills the base table by the palette rule and copies it into the working copy.
    void build();

    // Working-copy entry index.
    const RGBA& colour(uint8_t index) const { return working[index]; }

    std::array<RGBA, SIZE> base;
    std::array<RGBA, SIZE> working;
    // The colour of plain text: (248,248,248).
    uint8_t default_colour = 79;
    // The dark grey (32,32,32) that frames text screens.
    uint8_t backdrop_colour = 32;
};

// The palette every TextScreen starts with.
TextPalette& default_text_palette();

// The palette of the application's one-line overlay screen.
TextPalette& overlay_text_palette();

} // namespace lum
