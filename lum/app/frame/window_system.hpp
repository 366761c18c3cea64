#pragma once

namespace lum {

// Starts the window system and registers its stop with the run wrapper's
// shutdown steps. False when it cannot start.
bool start_window_system();

} // namespace lum
