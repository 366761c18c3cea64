#include "lum/text/text_encoding.hpp"

#include "lum/text/extended_ascii.hpp"

#include <algorithm>
#include <cstring>
#include <string>

namespace lum {

namespace {

const char byte_order_mark[] = "\xEF\xBB\xBF";

// Line by line, as a text stream reads it: each line (with its line feed) is
// appended as zero-terminated UTF-8, so a NUL or an illegal lead byte cuts off
// only the rest of its own line, and a byte order mark is dropped at the start
// of the first line only.
void decode_utf8(String& target, const uint8_t* bytes, size_t size) {
    const char* p = reinterpret_cast<const char*>(bytes);
    const char* end = p + size;
    if (size >= 3 && std::memcmp(p, byte_order_mark, 3) == 0)
        p += 3;
    target.reserve(static_cast<int32_t>(std::min<size_t>(size, String::MAX_LENGTH)));
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* next = eol ? eol + 1 : end;
        const char* zero = static_cast<const char*>(std::memchr(p, 0, static_cast<size_t>(next - p)));
        target.append_utf8(std::string_view(p, static_cast<size_t>((zero ? zero : next) - p)));
        p = next;
    }
}

template <typename Converter>
void decode_single_byte(String& target, const uint8_t* bytes, size_t size) {
    std::u16string units;
    units.reserve(size);
    Converter converter;
    for (size_t i = 0; i < size; ++i) {
        converter.set_code(bytes[i]);
        char16_t unit = converter.to_unicode();
        if (unit != 0)
            units.push_back(unit);
    }
    target += String(std::move(units));
}

} // namespace

bool is_known_encoding(TextEncoding encoding) {
    return encoding >= 0 && encoding <= 15;
}

bool decode_text(String& target, const uint8_t* bytes, size_t size, TextEncoding encoding) {
    target = String();
    switch (encoding) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        decode_utf8(target, bytes, size);
        return true;
    case ENCODING_ASCII_THRU:
        decode_single_byte<AsciiThru>(target, bytes, size);
        return true;
    case ENCODING_ISO8859_1:
        decode_single_byte<ISO8859_1Char>(target, bytes, size);
        return true;
    case ENCODING_ISO8859_15:
        decode_single_byte<ISO8859_15Char>(target, bytes, size);
        return true;
    case ENCODING_CP437:
        decode_single_byte<CodePage437Char>(target, bytes, size);
        return true;
    case ENCODING_CP850:
        decode_single_byte<CodePage850Char>(target, bytes, size);
        return true;
    case ENCODING_CP1252:
        decode_single_byte<CodePage1252Char>(target, bytes, size);
        return true;
    case ENCODING_MAC_OS_ROMAN:
        decode_single_byte<MacOsRomanChar>(target, bytes, size);
        return true;
    case ENCODING_MSX_JAPAN:
        decode_single_byte<MsxJapanChar>(target, bytes, size);
        return true;
    case ENCODING_PC9800:
        decode_single_byte<PC9800Char>(target, bytes, size);
        return true;
    case ENCODING_JIS_X0201:
        decode_single_byte<JisX0201Char>(target, bytes, size);
        return true;
    default:
        return false;
    }
}

bool decode_text(String& target, std::string_view bytes, TextEncoding encoding) {
    return decode_text(target, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), encoding);
}

} // namespace lum
