// The failure lines every lumtool command writes: one line on standard error
// that names the file as the user wrote it, once, with the system's reason.

#include "command.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lumtool {

void complain(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "lumtool: %s\n", message.c_str());
}

lum::Path path_of(const std::string& argument) {
    try {
        return lum::Path(lum::String(argument));
    } catch (const lum::PathParseException&) {
        throw Failure{"cannot open '" + argument + "': the path climbs above the root"};
    }
}

void fail_on_file(const char* verb, const std::string& argument, const lum::Path& path,
                  const lum::Exception& e) {
    // The engine says "VERB 'FULL PATH': REASON"; only the reason is kept.
    std::string text = e.message.empty() ? e.description().to_utf8() : e.message.to_utf8();
    std::string named = "'" + path.to_string().to_utf8() + "': ";
    size_t at = text.find(named);
    if (at != std::string::npos)
        text = text.substr(at + named.size());
    throw Failure{std::string(verb) + " '" + argument + "': " + text};
}

void open_for_reading(lum::File& file, const std::string& argument) {
    lum::Path path = path_of(argument);
    try {
        file.open(path, lum::FILE_READ);
    } catch (const lum::FileOpenException& e) {
        fail_on_file("cannot open", argument, path, e);
    }
}

void write_standard_output(std::string_view bytes) {
    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    ok = std::fflush(stdout) == 0 && ok;
    if (!ok)
        throw Failure{std::string("cannot write standard output: ") +
                      std::strerror(errno != 0 ? errno : EIO)};
}

} // namespace lumtool
