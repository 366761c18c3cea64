#include "lum/core/unimplemented.hpp"

#include <cstdio>

namespace lum {

void unimplemented(const char* where, int32_t code) {
    // Standard output may hold records written before this line; keep their order.
    std::fflush(stdout);
    std::fprintf(stderr, "%s: unimplemented - %d\n", where, static_cast<int>(code));
}

} // namespace lum
