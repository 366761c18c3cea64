// lumtool format, nth, plural and romaji: the engine's text helpers from the shell.

#include "command.hpp"

#include "lum/text/format.hpp"
#include "lum/text/pluralize.hpp"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string_view>

namespace lumtool {

namespace {

constexpr size_t MAX_FORMAT_ARGUMENTS = 6;

void print_line(const lum::String& text) {
    std::string bytes = text.to_utf8();
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

// Digits in decimal, or in hexadecimal after "0x"; the whole text must be used.
bool parse_magnitude(std::string_view text, uint64_t& out) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text[0] == '+' || text[0] == '-')
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return error == std::errc() && end == text.data() + text.size();
}

bool parse_int64(std::string_view text, int64_t& out) {
    bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    uint64_t magnitude = 0;
    if (!parse_magnitude(text, magnitude))
        return false;
    constexpr uint64_t max = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (magnitude > max + (negative ? 1 : 0))
        return false;
    out = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool parse_double(std::string_view text, double& out) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

lum::Variant parse_argument(const std::string& word) {
    size_t colon = word.find(':');
    if (colon == std::string::npos)
        throw UsageError{"argument '" + word + "' is not TYPE:VALUE"};
    std::string type = word.substr(0, colon);
    std::string value = word.substr(colon + 1);
    if (type == "i") {
        int64_t v = 0;
        if (!parse_int64(value, v))
            throw UsageError{"argument '" + word + "': '" + value + "' is not a signed 64-bit integer"};
        return lum::Variant(v);
    }
    if (type == "u") {
        uint64_t v = 0;
        if (!parse_magnitude(value, v))
            throw UsageError{"argument '" + word + "': '" + value + "' is not an unsigned 64-bit integer"};
        return lum::Variant(v);
    }
    if (type == "d") {
        double v = 0;
        if (!parse_double(value, v))
            throw UsageError{"argument '" + word + "': '" + value + "' is not a number"};
        return lum::Variant(v);
    }
    if (type == "b") {
        if (value != "true" && value != "false")
            throw UsageError{"argument '" + word + "': a b: value must be true or false, not '" + value +
                             "'"};
        return lum::Variant(value == "true");
    }
    if (type == "c") {
        lum::String text(value);
        if (text.length() != 1)
            throw UsageError{"argument '" + word + "': a c: value must be exactly one character"};
        return lum::Variant(lum::Char(text.units()[0]));
    }
    if (type == "s")
        return lum::Variant(lum::String(value));
    throw UsageError{"argument '" + word + "' has an unknown type '" + type + "' (use i, u, d, b, c or s)"};
}

int format_command(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"format needs a PATTERN"};
    if (args.size() - 1 > MAX_FORMAT_ARGUMENTS)
        throw UsageError{"format takes at most six arguments, not " + std::to_string(args.size() - 1)};
    std::vector<lum::Variant> values;
    for (size_t i = 1; i < args.size(); ++i)
        values.push_back(parse_argument(args[i]));
    std::vector<const lum::Variant*> pointers;
    for (const auto& v : values)
        pointers.push_back(&v);
    print_line(
        lum::format_arguments(lum::String(args[0]), pointers.data(), static_cast<int>(pointers.size())));
    return 0;
}

int nth_command(const std::vector<std::string>& args) {
    if (args.size() != 1)
        throw UsageError{"nth takes one number"};
    int32_t n = 0;
    const std::string& word = args[0];
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        throw UsageError{"N must be a 32-bit signed integer, not '" + word + "'"};
    print_line(lum::String::nth(n));
    return 0;
}

int plural_command(const std::vector<std::string>& args) {
    if (args.size() != 1)
        throw UsageError{"plural takes one word"};
    print_line(lum::pluralize(lum::String(args[0])));
    return 0;
}

int romaji_command(const std::vector<std::string>& args) {
    bool upper = args.size() == 2 && args[0] == "--upper";
    if (args.size() != 1 && !upper)
        throw UsageError{args.size() == 2 ? "unknown option '" + args[0] + "'" : "romaji takes one text"};
    lum::String text(args.back());
    print_line(upper ? text.to_romaji_upper() : text.to_romaji_lower());
    return 0;
}

const Registration format_registration({"format", "format PATTERN [TYPE:VALUE...]",
                                        "PATTERN formatted with up to six arguments, TYPE one of i u d b c s",
                                        format_command});
const Registration nth_registration({"nth", "nth N", "the English ordinal of N (1st, 2nd, ...)",
                                     nth_command});
const Registration plural_registration({"plural", "plural WORD", "the English plural of WORD",
                                        plural_command});
const Registration romaji_registration({"romaji", "romaji [--upper] TEXT", "the Latin spelling of kana text",
                                        romaji_command});

} // namespace

} // namespace lumtool
