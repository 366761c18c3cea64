#include "lum/app/process/entry.hpp"

#include "lum/app/process/message_box.hpp"
#include "lum/app/process/records.hpp"
#include "lum/app/process/self_check.hpp"
#include "lum/app/process/shutdown.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/core/runtime_warning.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/picture_library.hpp"
#include "lum/text/debug_out.hpp"

#include <cstdio>
#include <cstdlib>

namespace lum {

std::string raw_command_line(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

void report_at_exit() {
    char line[64];
    if (warning_count() > 0) {
        std::snprintf(line, sizeof line, "[lum.runtime.warning] %d warnings.\n", warning_count());
        error_record(line);
    }
    if (!WarningStack::empty())
        error_record("[lum.runtime.warning] warning stack is not empty.\n");
    WarningStack::clear();
    error_record("999 LUM TERMINATED\n");
}

bool run_application(void (*app_main)(), int (*self_checks)()) {
    static bool registered = false;
    if (!registered) {
        std::atexit(report_at_exit);
        registered = true;
    }
    probe_environment();
    if (self_checks() != 0) {
        message_box(Error, String("unit_test"), Ok, String("LUM Build-Type Error"));
        return false;
    }
    try {
        app_main();
    } catch (const Exception& e) {
        debug_out << "000 Exception Catched"
                  << "\n"
                  << describe(e) << "\n";
    } catch (...) {
        debug_out << "001 User Exception Catched"
                  << "\n";
    }
    // The window system was registered when it started; the picture library goes last.
    run_shutdown_steps();
    stop_picture_library();
    return true;
}

int process_entry(const std::string& command_line, void (*app_main)(), int (*self_checks)()) {
    if (command_line == "--force-opengl-error")
        forced_opengl_error = true;
    return run_application(app_main, self_checks) ? 0 : 1;
}

} // namespace lum
