#pragma once

#include "lum/platform/backend.hpp"
#include "lum/platform/glfw/glfw_window.hpp"
#include "lum/platform/joystick_bank.hpp"
#include "lum/platform/key_latch.hpp"

#include <array>
#include <functional>
#include <vector>

namespace lum::platform {

// A backend for tests: a virtual clock, and keys, focus, window size, window
// close, joysticks and mouse set by the test. Scripted events (keys, focus,
// resize, close) wait in a queue until the next poll_events, as real ones do;
// joysticks and mouse are read live. sleep_milliseconds advances the clock
// without sleeping. Mouse buttons and position read as released and (0, 0)
// while no window is open; a new window starts with every button up and the
// wheel at 0.
class ScriptedBackend final : public Backend {
  public:
    enum class WindowKind {
        // No window system at all: the window is only state, with no OpenGL.
        VIRTUAL,
        // A real hidden window gives the OpenGL context; the window system's
        // input, focus, size and close events for it are dropped: the script
        // alone decides those.
        HIDDEN,
    };

    explicit ScriptedBackend(WindowKind kind = WindowKind::VIRTUAL, uint32_t start_ms = 0);

    // Clock.
    void advance(uint32_t ms) { now_ += ms; }
    void set_time(uint32_t ms) { now_ = ms; }
    // Milliseconds passed to sleep_milliseconds so far.
    uint64_t slept() const { return slept_; }
    // The wall clock stands still where set (at first 2000-01-01 00:00:00).
    void set_local_time(const LocalTime& t) { local_ = t; }

    // Keys, by Windows virtual-key code.
    void key_down(int virtual_key);
    void key_up(int virtual_key);
    // Down and up between two polls: a tap shorter than a frame.
    void tap_key(int virtual_key);

    // The window: focus, a resize by the user, the window manager's close.
    void set_active(bool active);
    void resize(int width, int height);
    void request_close();

    // Joysticks (id 0..15): connect with a name and counts, then set states.
    // Without a guid, it is made from the name as for virtual devices. A button
    // pressed and released between two reads reads as down once.
    void connect_joystick(int id, const String& name, int axes, int buttons, const String& guid = String(),
                          int hats = 0) {
        joysticks_.plug(id, name, axes, buttons, guid, hats);
    }
    void disconnect_joystick(int id) { joysticks_.unplug(id); }
    void set_joystick_axis(int id, int axis, float value) { joysticks_.set_axis(id, axis, value); }
    void set_joystick_button(int id, int button, bool down) { joysticks_.set_button(id, button, down); }

    // Mouse.
    void set_mouse_position(int x, int y) { mouse_ = {x, y}; }
    void set_mouse_button(int button, bool down);
    // Wheel steps over the open window (none without one).
    void scroll(int steps);

    // Runs after the events of every poll, for tests that act where the
    // engine runs no task step of theirs (a halted boot, say).
    void set_poll_hook(std::function<void()> hook) { poll_hook_ = std::move(hook); }

    // Facts of the machine.
    void set_desktop_mode(const VideoMode& mode) { desktop_ = mode; }
    void set_monitor_count(int count) { monitors_ = count; }

    // What the engine did with the window.
    int poll_count() const { return polls_; }
    int swap_count() const { return swaps_; }
    int current_swap_interval() const { return interval_; }
    const String& title() const { return title_; }

    bool start_window_system() override;
    void stop_window_system() override;
    Version window_system_version() override { return GlfwWindow::library_version(); }
    VideoMode desktop_mode() override { return started_ ? desktop_ : VideoMode{}; }
    int monitor_count() override { return started_ ? monitors_ : 0; }

    bool open_window(const WindowRequest& request) override;
    void close_window() override;
    bool context_current() override { return context_.context_current(); }
    bool window_open() override { return open_ && !closed_; }
    bool window_active() override { return open_ && active_; }
    Size window_size() override { return open_ ? size_ : Size{}; }
    void set_window_size(int width, int height) override;
    void set_window_title(const String& title) override;
    void swap_buffers() override;
    void swap_interval(int interval) override;
    void poll_events() override;
    // Always: every scripted frame is presented, so swaps count frames.
    bool take_picture_request() override { return true; }
    GlProc gl_function(const char* name) override;
    bool gl_extension_supported(const char* name) override;
    Version gl_context_version() override;

    uint32_t milliseconds() override { return now_; }
    void sleep_milliseconds(uint32_t ms) override;
    LocalTime local_time() override { return local_; }

    void keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]) override { keys_.read(state); }

    bool joystick_present(int id) override { return joysticks_.present(id); }
    int joystick_axis_count(int id) override { return joysticks_.axis_count(id); }
    int joystick_button_count(int id) override { return joysticks_.button_count(id); }
    int joystick_hat_count(int id) override { return joysticks_.hat_count(id); }
    int read_joystick_axes(int id, float* axes, int count) override {
        return joysticks_.read_axes(id, axes, count);
    }
    int read_joystick_buttons(int id, uint8_t* buttons, int count) override {
        return joysticks_.read_buttons(id, buttons, count);
    }
    String joystick_name(int id) override { return joysticks_.name(id); }
    String joystick_guid(int id) override { return joysticks_.guid(id); }
    uint32_t joystick_connection(int id) override { return joysticks_.connection(id); }

    bool mouse_button(int button) override;
    MousePosition mouse_position() override { return open_ ? mouse_ : MousePosition{}; }
    int mouse_wheel() override { return wheel_; }

  private:
    WindowKind kind_;
    // The hidden window of WindowKind::HIDDEN; never started for VIRTUAL.
    GlfwWindow context_;
    uint32_t now_;
    uint64_t slept_ = 0;
    LocalTime local_{2000, 1, 1, 0, 0, 0};
    bool started_ = false;
    bool open_ = false;
    bool closed_ = false;
    bool active_ = false;
    Size size_;
    String title_;
    VideoMode desktop_{1280, 1024, 8, 8, 8};
    int monitors_ = 1;
    int polls_ = 0;
    int swaps_ = 0;
    int interval_ = 0;
    KeyLatch keys_;
    std::vector<std::function<void()>> pending_;
    std::function<void()> poll_hook_;
    JoystickBank joysticks_;
    MousePosition mouse_;
    std::array<bool, MOUSE_BUTTON_COUNT> mouse_buttons_{};
    int wheel_ = 0;
};

} // namespace lum::platform
