// Arbitrary text as a path: parsing either fails with PathParseException or
// gives parts that keep the parser's promises.

#include "lum/core/runtime_warning.hpp"
#include "lum/data/path.hpp"
#include "lum/error/exception.hpp"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

bool has(const std::u16string& s, char16_t c) {
    return s.find(c) != std::u16string::npos;
}

void check(const lum::Path& p) {
    const std::u16string& dir = p.directory().units();
    const std::u16string& name = p.name().units();
    const std::u16string& ext = p.extension().units();
    if (!dir.empty() && dir.back() != u'/')
        __builtin_trap(); // a directory ends with its separator
    if (dir.find(u"//") != std::u16string::npos || has(dir, u'\\') || has(name, u'\\') || has(ext, u'\\'))
        __builtin_trap(); // separators are normalised
    if (has(name, u'/') || has(ext, u'/') || has(ext, u'.'))
        __builtin_trap();             // the file name is one element, its extension has no dot
    size_t root = dir.find(u'/') + 1; // "/" or "C:/"
    if (p.absolute() && !dir.empty() && dir.size() >= root && dir.compare(root, 3, u"../") == 0)
        __builtin_trap(); // never above the root
    if (!ext.empty() && (name.empty() || name[0] == u'.'))
        __builtin_trap(); // hidden names have no extension
    if (name.empty() && !(dir.empty() || dir == u"/"))
        __builtin_trap(); // only the empty path and the root have no file name
    std::u16string file = p.filename().units();
    std::u16string full = p.to_string().units();
    if (full.size() < dir.size() + file.size() ||
        full.compare(full.size() - file.size(), file.size(), file) != 0)
        __builtin_trap(); // the full path ends with directory and file name
    if (p.absolute() && full != dir + file)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = [] {
        std::freopen("/dev/null", "w", stdout);
        lum::WarningStack::push(false);
        return true;
    }();
    (void)quiet;
    if (size == 0)
        return 0;
    // The first byte picks how the rest becomes text: UTF-8, or raw UTF-16
    // units (lone surrogates and all).
    lum::String text;
    if (data[0] & 1) {
        std::u16string units;
        for (size_t i = 1; i + 1 < size; i += 2)
            units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
        text = lum::String(std::move(units));
    } else {
        text = lum::String(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    }
    try {
        check(lum::Path(text));
    } catch (const lum::PathParseException&) {
        // Only an absolute text with a ".." step is refused.
        std::u16string t = text.trim().replace(lum::Char(u'\\'), lum::Char(u'/')).units();
        if (t.find(u"..") == std::u16string::npos || !(t[0] == u'/' || (t.size() > 1 && t[1] == u':')))
            __builtin_trap();
    }
    return 0;
}
