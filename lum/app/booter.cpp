#include "lum/app/booter.hpp"

#include "lum/app/display_state.hpp"
#include "lum/app/main_loop.hpp"
#include "lum/app/signals.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/text_palette.hpp"
#include "lum/platform/time.hpp"
#include "lum/platform/window.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

namespace lum {

void Booter::begin() {
    const RGB grey = default_text_palette().colour(32).rgb();
    display().backdrop_colour = grey;
    display().border_colour = grey;
}

void Booter::user() {
    const bool frames = boot_screen_mode == 1 || boot_screen_mode == 2;
    if (frames)
        run_frame(*this);
    run_boot_step(libs_step);
    run_boot_step(audio_step);
    run_boot_step(joypad_step);
    if (frames)
        run_frame(*this);
    die();
}

void Booter::setup_window(WindowSettings& settings) {
    settings.title = "Halvane Bootstrap Loader";
}

void Booter::run_boot_step(const BootStep& step) {
    if (!step.run)
        return;
    try {
        step.run();
    } catch (const Exception& e) {
        debug_out << Format("Init {0}...Fault ({1})", step.name, describe(e)) << "\n";
        halt_until_closed();
    }
}

void Booter::halt_until_closed() {
    while (platform::window_open()) {
        platform::sleep_milliseconds(100);
        run_frame_body();
    }
    running = false;
    throw WindowCloseExceptionType::SIGNAL;
}

} // namespace lum
