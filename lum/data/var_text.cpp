// Reading a Var from text: format detection, the reader dispatch and loading
// a file.

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/data/var.hpp"
#include "lum/data/var_readers.hpp"
#include "lum/error/exception.hpp"
#include "lum/text/char.hpp"
#include "lum/text/text_encoding.hpp"
#include "lum/text/utf8.hpp"

#include <bitset>
#include <cstring>
#include <string>
#include <string_view>

namespace lum {

void throw_too_deep() {
    throw DataParseException(String("nesting deeper than " + std::to_string(Var::MAX_DEPTH) + " levels"));
}

namespace {

// Char::is_space, with the ASCII answers asked once.
bool is_space(char16_t unit) {
    static const std::bitset<128> ascii = [] {
        std::bitset<128> b;
        for (char16_t c = 0; c < 0x80; ++c)
            b[c] = Char(c).is_space();
        return b;
    }();
    return unit < 0x80 ? ascii.test(unit) : Char(unit).is_space();
}

// True when the space character counts as white space (it does in every
// table the engine ships; asked once).
bool ascii_space() {
    static const bool space = is_space(u' ');
    return space;
}

// The line test of detect_format over text held as UTF-16 units or as UTF-8
// bytes that round-trip. next(p, end) reads one character at p and advances
// p. Only ASCII is compared after the leading white space, and ASCII stands
// for itself in both forms.
template <typename Unit, typename Next>
DataFormat classify_lines(std::basic_string_view<Unit> s, Next next) {
    int32_t sections = 0;
    int32_t blocks = 0;
    int32_t braces = 0;
    const Unit* text = s.data();
    const bool space_is_space = ascii_space();
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find(Unit('\n'), pos);
        if (end == std::basic_string_view<Unit>::npos)
            end = s.size();
        const Unit* p = text + pos;
        const Unit* line_end = text + end;
        // Indentation is mostly plain spaces.
        if (space_is_space)
            while (p < line_end && *p == Unit(' '))
                ++p;
        while (p < line_end) {
            const Unit* after = p;
            if (!is_space(next(after, line_end)))
                break;
            p = after;
        }
        if (p < line_end) {
            // last is the unit before the line feed, a carriage return included.
            Unit first = *p;
            Unit last = line_end[-1];
            if (first == Unit('[') && last == Unit(']'))
                ++sections;
            else if (first == Unit('-') || last == Unit(':'))
                ++blocks;
            else if (first == Unit('{') || first == Unit('[') || first == Unit('"'))
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

DataFormat detect_utf8_format(std::string_view bytes) {
    return classify_lines(bytes, [](const char*& p, const char* end) {
        auto* q = reinterpret_cast<const unsigned char*>(p);
        if (*q < 0x80) {
            ++p;
            return static_cast<char16_t>(*q);
        }
        char16_t unit = fetch_utf8(q, reinterpret_cast<const unsigned char*>(end));
        p = reinterpret_cast<const char*>(q);
        return unit;
    });
}

} // namespace

DataFormat Var::detect_format(const String& text) {
    return classify_lines(std::u16string_view(text.units()),
                          [](const char16_t*& p, const char16_t*) { return *p++; });
}

void Var::parse(const String& text, DataFormat format) {
    if (format == DataFormat::DETECT)
        format = detect_format(text);
    switch (format) {
    case DataFormat::YAML:
        read_yaml(*this, text);
        return;
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
    // Text too long for a String takes the String path, which refuses it.
    if (body.size() <= static_cast<size_t>(String::MAX_LENGTH) && utf8_round_trips(body) &&
        detect_utf8_format(body) == DataFormat::YAML) {
        read_yaml(*this, body);
        return;
    }
    String text;
    decode_text(text, bytes, ENCODING_UTF8);
    parse(text, detect_format(text));
}

} // namespace lum
