// lumtool decode, scramble and unscramble: the engine's file reading and its
// scrambled asset form from the shell.

#include "command.hpp"

#include "lum/data/atomic_file.hpp"
#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/data/scramble.hpp"
#include "lum/error/exception.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace lumtool {

namespace {

// The bytes of a file exactly as stored (a scrambled file is not restored).
std::string read_stored_bytes(const std::string& argument) {
    lum::Path path = path_of(argument);
    std::string full = path.to_string().to_utf8();
    std::FILE* in = std::fopen(full.c_str(), "rb");
    if (!in)
        throw Failure{"cannot open '" + argument + "': " + std::strerror(errno)};
    std::string bytes;
    char chunk[16384];
    size_t got = 0;
    errno = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        bytes.append(chunk, got);
    bool failed = std::ferror(in) != 0;
    int error_number = errno != 0 ? errno : EIO;
    std::fclose(in);
    if (failed)
        throw Failure{"cannot read '" + argument + "': " + std::strerror(error_number)};
    return bytes;
}

// The payload of a file: restored when it is scrambled, as stored otherwise.
std::string read_payload(const std::string& argument) {
    lum::File file;
    open_for_reading(file, argument);
    std::string bytes;
    char chunk[16384];
    size_t got = 0;
    while ((got = file.read(chunk, 1, sizeof chunk)) > 0)
        bytes.append(chunk, got);
    if (file.failed())
        throw Failure{"cannot read '" + argument + "': " + file.error_text().to_utf8()};
    return bytes;
}

void replace_file(const std::string& argument, std::string_view bytes) {
    lum::Path path = path_of(argument);
    try {
        lum::AtomicFile::write_all(path, bytes);
    } catch (const lum::FileOpenException& e) {
        fail_on_file("cannot write", argument, path, e);
    }
}

lum::TextEncoding parse_encoding(std::string_view text) {
    int value = -1;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !lum::is_known_encoding(value))
        throw UsageError{"encoding '" + std::string(text) + "' is not a number from 0 to 15"};
    return value;
}

int decode(const std::vector<std::string>& args) {
    lum::TextEncoding encoding = lum::ENCODING_UTF8;
    std::string file_name;
    bool have_file = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--encoding") {
            if (i + 1 >= args.size())
                throw UsageError{"--encoding needs a number"};
            encoding = parse_encoding(args[++i]);
        } else if (word.rfind("--encoding=", 0) == 0) {
            encoding = parse_encoding(std::string_view(word).substr(11));
        } else if (word.size() > 1 && word[0] == '-' && !have_file) {
            throw UsageError{"unknown option '" + word + "'"};
        } else if (have_file) {
            throw UsageError{"more than one file given"};
        } else {
            file_name = word;
            have_file = true;
        }
    }
    if (!have_file)
        throw UsageError{"no file given"};

    lum::File file;
    open_for_reading(file, file_name);
    lum::String text;
    try {
        file.read_all(encoding, text);
    } catch (const lum::IOException&) {
        throw Failure{"cannot read '" + file_name + "': " + file.error_text().to_utf8()};
    }
    write_standard_output(text.to_utf8());
    return 0;
}

void check_two_files(const std::vector<std::string>& args) {
    if (args.size() != 2)
        throw UsageError{args.size() < 2 ? "needs an input and an output file" : "too many arguments"};
}

int scramble(const std::vector<std::string>& args) {
    check_two_files(args);
    replace_file(args[1], lum::scrambled_file(read_stored_bytes(args[0])));
    return 0;
}

int unscramble(const std::vector<std::string>& args) {
    check_two_files(args);
    replace_file(args[1], read_payload(args[0]));
    return 0;
}

const Registration
    decode_registration({"decode", "decode [--encoding N] FILE",
                         "FILE's text as UTF-8, read with text encoding N (0 to 15, default 0)", decode});
const Registration scramble_registration({"scramble", "scramble IN OUT",
                                          "write OUT as the scrambled asset form of IN's bytes", scramble});
const Registration unscramble_registration({"unscramble", "unscramble IN OUT",
                                            "write OUT as IN's restored payload (a copy when IN is plain)",
                                            unscramble});

} // namespace

} // namespace lumtool
