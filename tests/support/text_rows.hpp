#pragma once

#include "lum/graphics/font/text_screen.hpp"

#include <string>

namespace lum::test {

// The text a row of a screen shows, cells with nothing to draw as blanks,
// without trailing blanks.
inline std::string row_text(const TextScreen& screen, int32_t row) {
    std::u16string units;
    for (int32_t column = 0; column < screen.columns(); ++column) {
        const uint32_t code = screen.cell(column, row).wanted.code;
        units += code == TextCell::nothing().wanted.code ? u' ' : static_cast<char16_t>(code);
    }
    while (!units.empty() && units.back() == u' ')
        units.pop_back();
    return String(units).to_utf8();
}

} // namespace lum::test
