// Reading a Var from text: format detection, the reader dispatch and loading
// a file.

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/data/utf8_codec.hpp"
#include "lum/data/var.hpp"
#include "lum/data/var_readers.hpp"
#include "lum/error/exception.hpp"
#include "lum/text/char.hpp"
#include "lum/text/text_encoding.hpp"

#include <bitset>
#include <cstring>
#include <string>
#include <string_view>

namespace lum {

void throw_too_deep() {
    throw DataParseException(String("nesting deeper than " + std::to_string(Var::MAX_DEPTH) + " levels"));
}

namespace {

// True when decoding the bytes into a String and writing that back as UTF-8
// gives the same bytes: well-formed UTF-8 of characters in the basic plane
// other than U+0000 and surrogates. Anything else (a NUL cuts its line, an
// illegal byte ends it, a four-byte character or an encoded surrogate changes
// form) must take the String path to keep its results.
bool round_trips(std::string_view bytes) {
    auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* end = p + bytes.size();
    if (bytes.size() > static_cast<size_t>(String::MAX_LENGTH))
        return false;
    while (p < end) {
        // ASCII, the bulk of a document, eight bytes at a time.
        while (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            // A byte is zero or has its top bit set.
            uint64_t zero = (word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull;
            if ((word & 0x8080808080808080ull) != 0 || zero != 0)
                break;
            p += 8;
        }
        if (p == end)
            break;
        unsigned b = *p;
        if (b == 0)
            return false;
        if (b < 0x80) {
            ++p;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            if (end - p < 2 || (p[1] & 0xC0) != 0x80)
                return false;
            p += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (end - p < 3 || (p[1] & 0xC0) != 0x80 || (p[2] & 0xC0) != 0x80)
                return false;
            // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
            if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] >= 0xA0))
                return false;
            p += 3;
        } else {
            return false;
        }
    }
    return true;
}

// Char::is_space for the ASCII characters, asked once.
const std::bitset<128>& ascii_spaces() {
    static const std::bitset<128> spaces = [] {
        std::bitset<128> b;
        for (char16_t c = 0; c < 0x80; ++c)
            b[c] = Char(c).is_space();
        return b;
    }();
    return spaces;
}

// detect_format over UTF-8 that round_trips: the same line test, reading the
// leading spaces as characters; the other tests see only ASCII, which stands
// for itself in both forms.
DataFormat detect_utf8_format(std::string_view s) {
    int32_t sections = 0;
    int32_t blocks = 0;
    int32_t braces = 0;
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find('\n', pos);
        if (end == std::string_view::npos)
            end = s.size();
        size_t i = pos;
        while (i < end) {
            auto b = static_cast<unsigned char>(s[i]);
            char16_t unit = b;
            size_t width = 1;
            if (b >= 0xE0) {
                unit =
                    static_cast<char16_t>(((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F));
                width = 3;
            } else if (b >= 0xC0) {
                unit = static_cast<char16_t>(((b & 0x1F) << 6) | (s[i + 1] & 0x3F));
                width = 2;
            }
            if (!(unit < 0x80 ? ascii_spaces().test(unit) : Char(unit).is_space()))
                break;
            i += width;
        }
        if (i < end) {
            char first = s[i];
            char last = s[end - 1];
            if (first == '[' && last == ']')
                ++sections;
            else if (first == '-' || last == ':')
                ++blocks;
            else if (first == '{' || first == '[' || first == '"')
                ++braces;
        }
        pos = end + 1;
    }
    if (blocks >= braces && blocks >= sections)
        return DataFormat::YAML;
    if (braces < sections)
        return DataFormat::SECTIONS;
    return DataFormat::BRACES;
}

} // namespace

DataFormat Var::detect_format(const String& text) {
    const std::u16string& s = text.units();
    int32_t sections = 0;
    int32_t blocks = 0;
    int32_t braces = 0;
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find(u'\n', pos);
        if (end == std::u16string::npos)
            end = s.size();
        size_t i = pos;
        while (i < end && Char(s[i]).is_space())
            ++i;
        if (i < end) {
            // last is the unit before the line feed, a carriage return included.
            char16_t first = s[i];
            char16_t last = s[end - 1];
            if (first == u'[' && last == u']')
                ++sections;
            else if (first == u'-' || last == u':')
                ++blocks;
            else if (first == u'{' || first == u'[' || first == u'"')
                ++braces;
        }
        pos = end + 1;
    }
    if (blocks >= braces && blocks >= sections)
        return DataFormat::YAML;
    if (braces < sections)
        return DataFormat::SECTIONS;
    return DataFormat::BRACES;
}

void Var::parse(const String& text, DataFormat format) {
    if (format == DataFormat::DETECT)
        format = detect_format(text);
    switch (format) {
    case DataFormat::YAML: {
        std::string utf8;
        utf8.reserve(text.units().size() + text.units().size() / 8);
        append_utf8(utf8, text.units().data(), text.units().size());
        read_yaml(*this, utf8);
        return;
    }
    case DataFormat::SECTIONS:
        read_sections(*this, text);
        return;
    case DataFormat::CSV:
        read_csv(*this, text);
        return;
    default:
        // Nothing is read for NONE, brace text and unknown codes.
        return;
    }
}

void Var::load(const Path& path) {
    std::string bytes;
    {
        File file;
        file.open(path, FILE_READ);
        file.read_all_bytes(bytes);
    }
    // YAML goes to libyaml as the file's own bytes when the String round trip
    // would give them back unchanged; only a leading byte order mark is dropped.
    std::string_view body = bytes;
    if (body.size() >= 3 && std::memcmp(body.data(), "\xEF\xBB\xBF", 3) == 0)
        body.remove_prefix(3);
    if (round_trips(body) && detect_utf8_format(body) == DataFormat::YAML) {
        read_yaml(*this, body);
        return;
    }
    String text;
    decode_text(text, bytes, ENCODING_UTF8);
    parse(text, detect_format(text));
}

} // namespace lum
