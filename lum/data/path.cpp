#include "lum/data/path.hpp"

#include "lum/data/folders.hpp"
#include "lum/error/exception.hpp"

#include <string>
#include <vector>

namespace lum {

namespace {

// "\" becomes "/", then "//" collapses to "/" until the text stops shrinking.
std::u16string normalised_separators(const String& text) {
    std::u16string units = text.units();
    for (char16_t& u : units) {
        if (u == u'\\')
            u = u'/';
    }
    std::u16string out;
    out.reserve(units.size());
    for (char16_t u : units) {
        if (u == u'/' && !out.empty() && out.back() == u'/')
            continue;
        out.push_back(u);
    }
    return out;
}

// Pieces between "/"; a final "/" gives no empty last piece.
std::vector<std::u16string> split_elements(const std::u16string& text) {
    std::vector<std::u16string> elements;
    size_t start = 0;
    while (start < text.size()) {
        size_t slash = text.find(u'/', start);
        if (slash == std::u16string::npos) {
            elements.push_back(text.substr(start));
            break;
        }
        elements.push_back(text.substr(start, slash - start));
        start = slash + 1;
    }
    return elements;
}

bool is_drive(const std::u16string& element) {
    if (element.size() != 2 || element[1] != u':')
        return false;
    char16_t c = element[0];
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

Path::Path(const String& text) {
    String trimmed = text.trim();
    if (trimmed.empty())
        return;
    std::vector<std::u16string> elements = split_elements(normalised_separators(trimmed));
    if (elements.empty())
        return;

    absolute_ = elements[0].empty() || is_drive(elements[0]);
    // A ".." right after the root, "/../x" or "C:/../x", climbs above it.
    if (absolute_ && elements.size() > 1 && elements[1] == u"..")
        throw PathParseException(String("path climbs above the root: ") + trimmed);
    // "/" alone: the root folder with no file name.
    if (elements.size() == 1 && elements[0].empty()) {
        directory_ = String(u"/");
        return;
    }

    std::u16string directory;
    size_t last = elements.size() - 1;
    for (size_t i = 0; i < last; ++i) {
        // "x/.." cancels one level, unless the ".." is the file name itself.
        if (i + 1 < last && elements[i + 1] == u"..") {
            ++i;
            continue;
        }
        directory += elements[i];
        directory += u'/';
    }
    // Steps that cancel other steps can still leave a ".." right after the
    // root ("/a/../../x", "/a/../.."); that climbs above it just the same.
    const std::u16string& file = elements[last];
    size_t root = elements[0].size() + 1;
    if (absolute_ && directory.size() >= root &&
        (directory.compare(root, 3, u"../") == 0 || (directory.size() == root && file == u"..")))
        throw PathParseException(String("path climbs above the root: ") + trimmed);
    directory_ = String(std::move(directory));

    size_t dot = file.rfind(u'.');
    // A leading dot marks a hidden name, and a final dot has no extension
    // after it: both keep the whole element as the name.
    if (dot == std::u16string::npos || dot == 0 || file[0] == u'.' || dot + 1 == file.size()) {
        name_ = String(file);
        return;
    }
    name_ = String(file.substr(0, dot));
    extension_ = String(file.substr(dot + 1));
}

String Path::filename() const {
    if (extension_.empty())
        return name_;
    return name_ + Char('.') + extension_;
}

String Path::to_string() const {
    if (absolute_)
        return directory_ + filename();
    return working_folder() + directory_ + filename();
}

} // namespace lum
