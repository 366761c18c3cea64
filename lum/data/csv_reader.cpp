// Comma-separated values: rows end at "\r\n" or "\n", fields at ","; a field
// that starts with a double quote runs to the next lone double quote, holds
// "" as one double quote, and may hold line ends.

#include "lum/data/var_readers.hpp"

namespace lum {

namespace {

// Length of the line end at s[i] ("\n" or "\r\n"), or 0.
size_t line_end_at(const std::u16string& s, size_t i) {
    if (s[i] == u'\n')
        return 1;
    if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
        return 2;
    return 0;
}

// Reads the field starting at i into out; returns the index just past it.
size_t read_field(const std::u16string& s, size_t i, std::u16string& out) {
    out.clear();
    size_t n = s.size();
    if (i < n && s[i] == u'"') {
        ++i;
        while (i < n) {
            if (s[i] != u'"') {
                out += s[i++];
            } else if (i + 1 < n && s[i + 1] == u'"') {
                out += u'"';
                i += 2;
            } else {
                ++i;
                break;
            }
        }
    }
    // Plain text, or what follows a closing quote, up to the next comma or line end.
    while (i < n && s[i] != u',' && line_end_at(s, i) == 0)
        out += s[i++];
    return i;
}

} // namespace

void read_csv(Var& target, const String& text) {
    const std::u16string& s = text.units();
    target.make_list();
    std::u16string field;
    size_t i = 0;
    int32_t row = 0;
    int32_t column = 0;
    while (i < s.size()) {
        i = read_field(s, i, field);
        target[row][column].set_string(String(std::move(field)));
        field = std::u16string();
        if (i == s.size())
            break;
        if (s[i] == u',') {
            ++i;
            ++column;
            // A comma at the very end leaves one more, empty field.
            if (i == s.size())
                target[row][column].set_string(String());
            continue;
        }
        i += line_end_at(s, i);
        ++row;
        column = 0;
    }
}

} // namespace lum
