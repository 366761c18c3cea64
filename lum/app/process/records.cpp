#include "lum/app/process/records.hpp"

#include <cstdio>

namespace lum {

void put_record(const char* text) {
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void error_record(const char* text) {
    std::fflush(stdout);
    std::fputs(text, stderr);
    std::fflush(stderr);
}

} // namespace lum
