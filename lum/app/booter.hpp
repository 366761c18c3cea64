#pragma once

#include "lum/app/app.hpp"
#include "lum/text/string.hpp"

#include <cstdint>
#include <functional>

namespace lum {

// One start step of the boot: its name for the fault line and what it runs.
struct BootStep {
    String name;
    std::function<void()> run;
};

// The boot task: runs the three start steps, "Libs", "Audio" and "Joypad", and
// hands over to the next task. A step that fails leaves the fault line
// "Init NAME...Fault (REASON)" and waits until the window is closed.
class Booter : public App {
  public:
    // 0 no frames of its own, 1 a frame before and after the steps, 2 also a
    // frame after every line; copied from the main application's settings.
    int32_t boot_screen_mode = 0;
    // Given by App::run, stored in this order; run as libs, audio, joypad.
    BootStep audio_step{"Audio", {}};
    BootStep joypad_step{"Joypad", {}};
    BootStep libs_step{"Libs", {}};

    // Gives both frame colours the boot screen's grey.
    void begin() override;
    // Runs the steps once, then ends the task with die().
    void user() override;
    // Sets the title "Halvane Bootstrap Loader".
    void setup_window(WindowSettings& settings) override;

    // Runs the step; an Exception from it leaves the fault line and never returns.
    void run_boot_step(const BootStep& step);
    // Keeps drawing frames until the window is closed, then throws WindowCloseExceptionType.
    [[noreturn]] void halt_until_closed();
};

} // namespace lum
