// Reading a Var from text: format detection, the reader dispatch and loading
// a file.

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/data/utf8_codec.hpp"
#include "lum/data/var.hpp"
#include "lum/data/var_readers.hpp"
#include "lum/error/exception.hpp"
#include "lum/text/char.hpp"

#include <string>

namespace lum {

void throw_too_deep() {
    throw DataParseException(String("nesting deeper than " + std::to_string(Var::MAX_DEPTH) + " levels"));
}

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
    String text;
    {
        File file;
        file.open(path, FILE_READ);
        file.read_all(ENCODING_UTF8, text);
    }
    parse(text, detect_format(text));
}

} // namespace lum
