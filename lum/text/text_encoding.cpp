#include "lum/text/text_encoding.hpp"

#include "lum/text/extended_ascii.hpp"

#include <string>

namespace lum {

namespace {

const char byte_order_mark[] = "\xEF\xBB\xBF";

// Appends one line at a time so that a bad byte or a NUL cuts off only its own
// line: the UTF-8 append stops at a zero byte and after an illegal lead byte.
void decode_utf8(String& target, const uint8_t* bytes, size_t size) {
    std::string line;
    line.reserve(1024);
    bool first_line = true;
    for (size_t i = 0; i < size; ++i) {
        line.push_back(static_cast<char>(bytes[i]));
        if (first_line && line.size() == 3 && line == byte_order_mark)
            line.clear();
        if (bytes[i] != '\n')
            continue;
        target += line.c_str();
        line.clear();
        first_line = false;
    }
    target += line.c_str();
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
