// lum_wm_close TITLE: asks the window titled TITLE to close, as a window
// manager's close button does. Exit status 0 when the request was sent, 1 when
// no such window takes it, 2 for a wrong command line.

#include "lum/platform/window_manager_close.hpp"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lum_wm_close TITLE\n");
        return 2;
    }
    if (lum::platform::send_window_manager_close(lum::String(argv[1])))
        return 0;
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "lum_wm_close: no window titled '%s' on display '%s'\n", argv[1],
                 display ? display : "");
    return 1;
}
