#include "lum/text/self_check.hpp"

#include "lum/text/debug_out.hpp"

namespace lum {

namespace {
void (*g_reporter)(const String&) = nullptr;

void report(const String& line) {
    if (g_reporter)
        g_reporter(line);
    else
        debug_out << line << "\n";
}
} // namespace

void SelfCheck::set_reporter(void (*reporter)(const String& line)) {
    g_reporter = reporter;
}

void SelfCheck::expect(bool ok, const char* what) {
    ++total_;
    if (ok) {
        ++passed_;
        return;
    }
    report(String("[") + suite_ + "] failed: " + what);
}

void SelfCheck::expect_text(const String& got, const String& want, const char* what) {
    ++total_;
    if (got == want) {
        ++passed_;
        return;
    }
    report(String("[") + suite_ + "] failed: " + what + ": got \"" + got + "\", want \"" + want + "\"");
}

} // namespace lum
