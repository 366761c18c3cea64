#include "lum/app/boot/font_library.hpp"

#include "lum/app/process/shutdown.hpp"
#include "lum/error/exception.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace lum {

namespace {

// The engine only starts the library and asks its version; one handle serves the process.
FT_Library library = nullptr;

} // namespace

void start_font_library() {
    if (library)
        return;
    if (FT_Init_FreeType(&library) != 0) {
        library = nullptr;
        throw FontInitializeException();
    }
    at_shutdown(stop_font_library);
}

void stop_font_library() {
    if (!library)
        return;
    FT_Done_FreeType(library);
    library = nullptr;
}

VersionNumbers font_library_version() {
    VersionNumbers v;
    if (library) {
        FT_Int major = 0, minor = 0, patch = 0;
        FT_Library_Version(library, &major, &minor, &patch);
        v = {major, minor, patch};
    }
    return v;
}

} // namespace lum
