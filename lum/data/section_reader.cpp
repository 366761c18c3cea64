// Section files: "[section]" headers, then "key = value" or "key: value"
// lines. Dotted names stand for nested hashes.

#include "lum/data/var_readers.hpp"
#include "lum/text/char.hpp"

#include <string_view>
#include <vector>

namespace lum {

namespace {

bool is_space(char16_t u) {
    return Char(u).is_space();
}

std::u16string_view trim(std::u16string_view s) {
    while (!s.empty() && is_space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_space(s.back()))
        s.remove_suffix(1);
    return s;
}

// The parts of a dotted name, each trimmed; empty parts are left out, so
// "a..b" and " a . b " both name a/b.
std::vector<String> name_parts(std::u16string_view name, std::u16string_view separators) {
    std::vector<String> parts;
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && separators.find(name[i]) == std::u16string_view::npos)
            continue;
        std::u16string_view part = trim(name.substr(start, i - start));
        if (!part.empty())
            parts.emplace_back(part.data(), part.size());
        start = i + 1;
    }
    return parts;
}

// The member of t named part, made a hash unless it already is one.
Var& enter(Var& t, const String& part) {
    Var& member = t[part];
    if (!member.is_hash())
        member.make_hash();
    return member;
}

} // namespace

void read_sections(Var& target, const String& text) {
    const std::u16string& s = text.units();
    Var* section = nullptr;    // the current section's hash, the document until a header
    int32_t section_depth = 1; // levels of hashes down to it, the document's own included
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find(u'\n', pos);
        if (end == std::u16string::npos)
            end = s.size();
        std::u16string_view line(s.data() + pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        while (!line.empty() && is_space(line.front()))
            line.remove_prefix(1);
        // Lines starting with ";" or "#" are comments.
        if (line.empty() || line.front() == u';' || line.front() == u'#')
            continue;
        std::u16string_view header = trim(line);
        if (header.front() == u'[' && header.back() == u']' && header.size() >= 2) {
            std::vector<String> parts = name_parts(header.substr(1, header.size() - 2), u"./\\");
            if (1 + static_cast<int64_t>(parts.size()) > Var::MAX_DEPTH)
                throw_too_deep();
            if (!target.is_hash())
                target.make_hash();
            section = &target;
            for (const String& part : parts)
                section = &enter(*section, part);
            section_depth = 1 + static_cast<int32_t>(parts.size());
            continue;
        }
        size_t separator = line.find(u'=');
        if (separator == std::u16string_view::npos)
            separator = line.find(u':');
        if (separator == std::u16string_view::npos)
            continue;
        std::vector<String> keys = name_parts(line.substr(0, separator), u".");
        if (keys.empty())
            continue;
        if (section_depth + static_cast<int64_t>(keys.size()) - 1 > Var::MAX_DEPTH)
            throw_too_deep();
        // The value keeps its trailing blanks; only the line end's carriage return goes.
        std::u16string_view value = line.substr(separator + 1);
        while (!value.empty() && is_space(value.front()))
            value.remove_prefix(1);
        if (!section) {
            if (!target.is_hash())
                target.make_hash();
            section = &target;
        }
        Var* t = section;
        for (size_t i = 0; i + 1 < keys.size(); ++i)
            t = &enter(*t, keys[i]);
        (*t)[keys.back()].set_string(String(value.data(), value.size()));
    }
}

} // namespace lum
