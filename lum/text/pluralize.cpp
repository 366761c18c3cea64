#include "lum/text/pluralize.hpp"

#include <unordered_map>
#include <unordered_set>

namespace lum {

namespace {

// Built on the first call, as the format mini-language is the only caller.
const std::unordered_set<String>& uncountables() {
    static const std::unordered_set<String> words = {
        "sheep", "deer",     "cod",      "cattle", "bison",    "carp",    "grouse", "quail",    "salmon",
        "swine", "antelope", "reindeer", "fish",   "flounder", "herring", "shrimp", "woodcock",
    };
    return words;
}

const std::unordered_map<String, String>& irregulars() {
    static const std::unordered_map<String, String> plurals = {
        {"axis", "axes"}, {"index", "indices"}, {"die", "dice"},
        {"AXIS", "AXES"}, {"INDEX", "INDICES"}, {"DIE", "DICE"},
    };
    return plurals;
}

char16_t lowered(char16_t u) {
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u - u'A' + u'a') : u;
}

bool is_ascii_vowel(char16_t u) {
    return u == u'a' || u == u'e' || u == u'i' || u == u'o' || u == u'u';
}

bool has_lower(const String& word) {
    for (char16_t u : word) {
        if (Char(u).is_lower())
            return true;
    }
    return false;
}

} // namespace

String pluralize(const String& word) {
    // An empty word has no plural; the rules below would make "s" out of nothing.
    if (word.empty())
        return word;
    if (uncountables().contains(word))
        return word;
    // The upper-case pairs can only match all-upper-case words.
    auto irregular = irregulars().find(word);
    if (irregular != irregulars().end())
        return irregular->second;
    const bool upper = !has_lower(word);

    const int32_t n = word.length();
    const char16_t last = lowered(word.At(n - 1));
    const char16_t before = n >= 2 ? lowered(word.At(n - 2)) : char16_t{0};
    const String stem = word.substr(0, n - 1);
    auto ending = [upper](const char* lower_text, const char* upper_text) {
        return String(upper ? upper_text : lower_text);
    };

    if (last == u's' || last == u'x' || last == u'z' || (last == u'h' && (before == u'c' || before == u's')))
        return word + ending("es", "ES");
    if (last == u'y')
        return is_ascii_vowel(before) ? word + ending("s", "S") : stem + ending("ies", "IES");
    if (last == u'o')
        return is_ascii_vowel(before) ? word + ending("s", "S") : stem + ending("oes", "OES");
    if (last == u'f' && is_ascii_vowel(before))
        return stem + ending("ves", "VES");
    return word + ending("s", "S");
}

} // namespace lum
