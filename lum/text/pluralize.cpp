#include "lum/text/pluralize.hpp"

#include <cstring>
#include <string_view>

namespace lum {

namespace {

// The format mini-language calls this for every plural placeholder, so the
// lists are plain arrays compared by length first: no hashing, no temporaries.
constexpr std::string_view uncountables[] = {
    "sheep", "deer",     "cod",      "cattle", "bison",    "carp",    "grouse", "quail",    "salmon",
    "swine", "antelope", "reindeer", "fish",   "flounder", "herring", "shrimp", "woodcock",
};

struct Irregular {
    std::string_view singular;
    const char* plural;
};
// The upper-case pairs can only match all-upper-case words.
constexpr Irregular irregulars[] = {
    {"axis", "axes"}, {"index", "indices"}, {"die", "dice"},
    {"AXIS", "AXES"}, {"INDEX", "INDICES"}, {"DIE", "DICE"},
};

bool equals_ascii(const std::u16string& word, std::string_view text) {
    if (word.size() != text.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (word[i] != static_cast<unsigned char>(text[i]))
            return false;
    return true;
}

char16_t lowered(char16_t u) {
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u - u'A' + u'a') : u;
}

bool is_ascii_vowel(char16_t u) {
    return u == u'a' || u == u'e' || u == u'i' || u == u'o' || u == u'u';
}

bool has_lower(const std::u16string& word) {
    for (char16_t u : word) {
        if (Char(u).is_lower())
            return true;
    }
    return false;
}

// The first keep units of word followed by the ASCII ending.
String with_ending(const std::u16string& word, size_t keep, const char* ending) {
    std::u16string out;
    size_t extra = std::strlen(ending);
    out.reserve(keep + extra);
    out.append(word, 0, keep);
    for (size_t i = 0; i < extra; ++i)
        out.push_back(static_cast<unsigned char>(ending[i]));
    return String(std::move(out));
}

} // namespace

String pluralize(const String& word) {
    const std::u16string& units = word.units();
    // An empty word has no plural; the rules below would make "s" out of nothing.
    if (units.empty())
        return word;
    // Every listed word has 3 to 8 letters.
    if (units.size() >= 3 && units.size() <= 8) {
        for (std::string_view u : uncountables)
            if (equals_ascii(units, u))
                return word;
        for (const auto& i : irregulars)
            if (equals_ascii(units, i.singular))
                return String(i.plural);
    }

    const bool upper = !has_lower(units);
    const size_t n = units.size();
    const char16_t last = lowered(units[n - 1]);
    const char16_t before = n >= 2 ? lowered(units[n - 2]) : char16_t{0};
    auto end = [&](size_t keep, const char* lower_text, const char* upper_text) {
        return with_ending(units, keep, upper ? upper_text : lower_text);
    };

    if (last == u's' || last == u'x' || last == u'z' || (last == u'h' && (before == u'c' || before == u's')))
        return end(n, "es", "ES");
    if (last == u'y')
        return is_ascii_vowel(before) ? end(n, "s", "S") : end(n - 1, "ies", "IES");
    if (last == u'o')
        return is_ascii_vowel(before) ? end(n, "s", "S") : end(n - 1, "oes", "OES");
    if (last == u'f' && is_ascii_vowel(before))
        return end(n - 1, "ves", "VES");
    return end(n, "s", "S");
}

} // namespace lum
