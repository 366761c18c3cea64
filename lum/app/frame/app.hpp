#pragma once

#include "lum/app/frame/task.hpp"
#include "lum/app/frame/window_settings.hpp"

namespace lum {

// The base of a program's application object. App::run owns the whole life of
// the process from opening the window to shutdown: it runs the boot task, then
// the application itself as the main task, restarting it after a reset.
class App : public Task {
  public:
    // Fills in the window request; the defaults are WindowSettings'.
    virtual void setup_window(WindowSettings& /*settings*/) {}
    // Runs before the main task restarts after a hardware reset.
    virtual void on_hardware_reset() {}
    // Runs before the main task restarts after a software reset.
    virtual void on_software_reset() {}

    // Opens the window, starts graphics and the audio monitor, boots, runs this
    // object as the main task and shuts down. Returns when the main task ended
    // by itself, by a window close or by a failure; a graphics start that
    // fails (after its report) or a failing boot task ends the process with
    // exit status 1.
    void run();

  protected:
    ~App() = default;
};

// The window request that app fills in, normalised.
WindowSettings settings_of(App& app);

// Lets app fill fresh settings, then applies them: screen size, window size
// (when it differs), the frame colours and the title.
void apply_window_settings(App& app);

// Stops every sound, draws and shows one frame of the terminating phase and
// empties the task stack.
void reset_engine();

// The window-size handler: draws and shows a frame, then keeps the new size.
void on_window_size(int width, int height);

// The window-close handler: lets the window close; the next frame ends the run.
bool on_window_close();

} // namespace lum
