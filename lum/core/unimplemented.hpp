#pragma once

#include <cstdint>

namespace lum {

// Prints "WHERE: unimplemented - CODE" on standard error, for a type tag or a
// kind that the operation named where does not know.
void unimplemented(const char* where, int32_t code);

} // namespace lum
