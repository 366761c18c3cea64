#include "lum/core/runtime_warning.hpp"

#include <cstdio>
#include <vector>

namespace lum {

namespace {

int32_t g_count = 0;

std::vector<bool>& stack() {
    static std::vector<bool> s;
    return s;
}

bool begin_warning(const char* where) {
    auto& s = stack();
    if (!s.empty() && !s.back())
        return false;
    ++g_count;
    // Standard output may hold records written before this line; keep their order.
    std::fflush(stdout);
    std::fprintf(stderr, "[lum.runtime.warning %s] ", where);
    return true;
}

} // namespace

void runtime_warning(const char* where, const char* message, const char* name, int32_t value) {
    if (!begin_warning(where))
        return;
    std::fprintf(stderr, "%s (%s=%d)\n", message, name, value);
    std::fflush(stderr);
}

void runtime_warning(const char* where, const char* message, const char* name, const char* value) {
    if (!begin_warning(where))
        return;
    std::fprintf(stderr, "%s (%s=%s)\n", message, name, value ? value : "");
    std::fflush(stderr);
}

int32_t warning_count() {
    return g_count;
}

namespace WarningStack {
void push(bool print) {
    stack().push_back(print);
}
void pop() {
    if (!stack().empty())
        stack().pop_back();
}
bool empty() {
    return stack().empty();
}
void clear() {
    stack().clear();
}
} // namespace WarningStack

} // namespace lum
