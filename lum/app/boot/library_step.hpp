#pragma once

namespace lum {

// The "Libs" boot step: identifies the processor, starts the picture and font
// libraries, reads the library versions, the virtual-machine kind, the monitor
// count, the keyboard and the system version into the process-wide profile,
// and sets the renderer's screen mode to letterbox. FontInitializeException
// when the font library cannot start.
void run_library_step();

} // namespace lum
