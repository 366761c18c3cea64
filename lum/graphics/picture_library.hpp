#pragma once

#include "lum/text/string.hpp"

namespace lum {

// Starts the picture library (FreeImage) with its built-in plugins, unless it
// is running already. Loading a picture starts it too: FreeImage crashes when
// used before its start.
void start_picture_library();

// Releases the picture library; nothing when it is not running. A later
// picture load starts it again.
void stop_picture_library();

// Whether the picture library is running.
bool picture_library_started();

// The picture library's version text ("3.18.0"); needs no start.
String picture_library_version();

} // namespace lum
