// Arbitrary text through every reader of Var::parse. The first byte picks the
// format (its value modulo 6) and, with its top bit set, reads the rest as raw
// UTF-16 units instead of UTF-8. Whatever was read must copy, print and read
// back: the block form of the result is valid YAML that reads into a Var with
// the same block form.

#include "lum/core/runtime_warning.hpp"
#include "lum/data/var.hpp"
#include "lum/error/exception.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

lum::String input_text(const uint8_t* data, size_t size, bool wide) {
    if (!wide)
        return lum::String(std::string(reinterpret_cast<const char*>(data), size));
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    return lum::String(std::move(units));
}

[[noreturn]] void fail(const char* what, const std::string& before, const std::string& after) {
    std::fprintf(stderr, "%s:\n%s\n--- became ---\n%s\n", what, before.c_str(), after.c_str());
    __builtin_trap();
}

// Reads the engine's own block form, which must always be valid YAML.
void read_back(lum::Var& v, const std::string& written) {
    try {
        v.parse(lum::String(written), lum::DataFormat::YAML);
    } catch (const lum::DataParseException&) {
        fail("the block form does not read back", written, "");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = [] {
        // Illegal UTF-8 prints diagnostics; the fuzzer only cares about crashes.
        std::freopen("/dev/null", "w", stdout);
        lum::WarningStack::push(false);
        return true;
    }();
    (void)quiet;
    if (size == 0)
        return 0;
    auto format = static_cast<lum::DataFormat>(data[0] % 6);
    lum::String text = input_text(data + 1, size - 1, (data[0] & 0x80) != 0);

    (void)lum::Var::detect_format(text);
    lum::Var v;
    try {
        v.parse(text, format);
    } catch (const lum::DataParseException&) {
        // What was read before the failure stays and must behave like any Var.
    }

    std::string written = v.block_form(0);
    lum::Var copy(v);
    if (copy.block_form(0) != written)
        __builtin_trap();
    lum::Var assigned;
    assigned = v;
    if (assigned.block_form(0) != written)
        __builtin_trap();

    // An empty collection at the top writes nothing, which reads as nothing.
    if (written.empty())
        return 0;
    lum::Var back;
    read_back(back, written);
    std::string again = back.block_form(0);
    if (again == written)
        return 0;
    // A surrogate without its partner cannot be written; it becomes U+FFFD. A
    // character above U+FFFF is written whole and reads back as U+3013. Either
    // may reorder or merge keys; from then on the text must be stable.
    bool narrowed = written.find("\xEF\xBF\xBD") != std::string::npos ||
                    std::any_of(written.begin(), written.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0xF0; });
    if (!narrowed)
        fail("read back differently", written, again);
    lum::Var third;
    read_back(third, again);
    std::string last = third.block_form(0);
    if (last != again)
        fail("read back differently", again, last);
    return 0;
}
