#include "lum/graphics/picture_library.hpp"

#include <FreeImage.h>

namespace lum {

namespace {

// FreeImage counts starts and stops; the engine starts it once, from the boot
// step or from the first picture load, whichever comes first, and stops it once.
bool started = false;

} // namespace

void start_picture_library() {
    if (started)
        return;
    FreeImage_Initialise(TRUE);
    started = true;
}

void stop_picture_library() {
    if (!started)
        return;
    FreeImage_DeInitialise();
    started = false;
}

bool picture_library_started() {
    return started;
}

String picture_library_version() {
    const char* version = FreeImage_GetVersion();
    return String(version ? version : "");
}

} // namespace lum
