#pragma once

#include "lum/text/string.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lum {

// The encoding of a text file, as a 32-bit code: 0 to 5 all read UTF-8, 6 to 15
// read one single-byte code page each.
using TextEncoding = int32_t;

enum : TextEncoding {
    ENCODING_UTF8 = 0,
    ENCODING_ASCII_THRU = 6,
    ENCODING_ISO8859_1 = 7,
    ENCODING_ISO8859_15 = 8,
    ENCODING_CP437 = 9,
    ENCODING_CP850 = 10,
    ENCODING_CP1252 = 11,
    ENCODING_MAC_OS_ROMAN = 12,
    ENCODING_MSX_JAPAN = 13,
    ENCODING_PC9800 = 14,
    ENCODING_JIS_X0201 = 15,
};

// True for the codes 0 to 15.
bool is_known_encoding(TextEncoding encoding);

// Decodes a whole file's bytes into target, which is cleared first. UTF-8 is
// decoded a line at a time and loses a byte order mark at the start of the
// first line; a code page drops the bytes that give unit 0. An unknown
// encoding leaves target empty and returns false; the caller reports it under
// its own name.
bool decode_text(String& target, const uint8_t* bytes, size_t size, TextEncoding encoding);
bool decode_text(String& target, std::string_view bytes, TextEncoding encoding);

} // namespace lum
