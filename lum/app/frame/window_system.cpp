#include "lum/app/frame/window_system.hpp"

#include "lum/app/process/shutdown.hpp"
#include "lum/platform/window.hpp"

namespace lum {

bool start_window_system() {
    if (!platform::start_window_system())
        return false;
    at_shutdown(platform::stop_window_system);
    return true;
}

} // namespace lum
