#pragma once

// The header of a PNG file, read straight from its bytes so that tests of
// written pictures do not depend on the library that wrote them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace lum::test {

struct PngHeader {
    // The signature is there and an IHDR chunk of 13 bytes follows it.
    bool valid = false;
    uint32_t width = 0;
    uint32_t height = 0;
    int bit_depth = 0;
    int colour_type = 0;
};

inline PngHeader png_header(const std::string& bytes) {
    auto word = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i)
            v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    PngHeader h;
    // Signature 8, chunk length 4, type 4, IHDR data 13 and its check 4.
    if (bytes.size() < 33 || bytes.compare(0, 8, std::string("\x89PNG\r\n\x1A\n", 8)) != 0 || word(8) != 13 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return h;
    h.valid = true;
    h.width = word(16);
    h.height = word(20);
    h.bit_depth = static_cast<unsigned char>(bytes[24]);
    h.colour_type = static_cast<unsigned char>(bytes[25]);
    return h;
}

} // namespace lum::test
