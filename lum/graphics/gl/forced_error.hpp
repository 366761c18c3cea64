#pragma once

namespace lum {

// Set by the process entry for the command line "--force-opengl-error": the
// renderer's framebuffer check then reports every function as missing.
extern bool forced_opengl_error;

} // namespace lum
