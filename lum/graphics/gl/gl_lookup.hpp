#pragma once

#include "lum/platform/window.hpp"

#include <functional>

namespace lum {

// What an entry point needs of the context to be really there: a core
// version, or else an extension.
struct GlRequirement {
    // Core from major.minor on; 0.0 when no version makes it core.
    int major = 0;
    int minor = 0;
    // Offered by this extension in any version; null when none.
    const char* extension = nullptr;
};

// An OpenGL context as the entry-point tables see it.
struct GlDriver {
    int major = 0;
    int minor = 0;
    std::function<bool(const char* extension)> has_extension;
    // The window system's lookup. Under GLX it gives a stub for any name, so
    // it is asked only once a requirement is met.
    std::function<platform::GlProc(const char* name)> address;
};

// The current context, through the platform.
GlDriver current_gl_driver();

// Whether the driver's version or extensions meet need.
bool gl_requirement_met(const GlDriver& driver, const GlRequirement& need);

// The entry point when the driver meets need and gives an address, else null.
platform::GlProc gl_entry_point(const GlDriver& driver, const char* name, const GlRequirement& need);

} // namespace lum
