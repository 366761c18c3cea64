#pragma once

#include <cstddef>
#include <string>

namespace lum {

// UTF-8 for the YAML reader and writer. Unlike the String class's own
// conversions, these keep characters above U+FFFF: a surrogate pair becomes
// one four-byte sequence and such a sequence becomes a pair again, so text
// outside the basic plane survives a write and a read.

// Appends units as UTF-8; a surrogate without its partner becomes U+FFFD,
// which YAML can hold, unlike a lone surrogate.
void append_utf8(std::string& out, const char16_t* units, size_t count);

// Appends the UTF-8 bytes as UTF-16 units; a malformed sequence becomes U+FFFD.
void append_utf16(std::u16string& out, const char* bytes, size_t size);

// The code point starting at units[i] (a pair counts as one) and the number of
// units it takes; a lone surrogate is returned as it is, taking one unit.
inline char32_t code_point_at(const char16_t* units, size_t count, size_t i, size_t& width) {
    char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
        width = 2;
        return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00);
    }
    width = 1;
    return u;
}

} // namespace lum
