#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// One row of the language table.
struct Language {
    int32_t index;
    const char* native_name;
    const char* english_name;
    const char* code;
    int32_t locale_id; // 0 for rows no locale identifier selects
};

// The 22 rows; row 21, "C Language", is the fallback.
const Language& language_row(int32_t index);

// The row for a locale identifier (1041 gives row 11, "ja_JP"); unknown ones give row 21.
const Language& language_for_locale_id(int32_t locale_id);

// The row for a locale text from the environment ("ja_JP.UTF-8" gives row 11):
// the text up to the first "." or "@" is matched against the codes of the rows
// that a locale identifier can select; anything else gives row 21.
const Language& language_for_locale_name(const String& name);

} // namespace lum
