#pragma once

#include "lum/app/process/system_profile.hpp"

namespace lum {

// Starts the font library (FreeType) unless it runs already, and registers its
// stop with the run wrapper's shutdown steps. FontInitializeException when it
// cannot start.
void start_font_library();

// Releases the font library; nothing when it is not running.
void stop_font_library();

// The running font library's version (major, minor, patch); zeros when it is
// not running.
VersionNumbers font_library_version();

} // namespace lum
