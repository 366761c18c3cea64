#pragma once

#include "lum/platform/joystick.hpp"
#include "lum/platform/keyboard.hpp"
#include "lum/platform/mouse.hpp"
#include "lum/platform/time.hpp"
#include "lum/platform/window.hpp"

namespace lum::platform {

// One implementation of the platform interface. The free functions of
// window.hpp, time.hpp, keyboard.hpp, joystick.hpp and mouse.hpp forward to
// the backend in use; engine code never sees which one that is.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual bool start_window_system() = 0;
    virtual void stop_window_system() = 0;
    virtual Version window_system_version() = 0;
    virtual VideoMode desktop_mode() = 0;
    virtual int monitor_count() = 0;

    virtual bool open_window(const WindowRequest& request) = 0;
    virtual void close_window() = 0;
    virtual bool context_current() = 0;
    virtual bool window_open() = 0;
    virtual bool window_active() = 0;
    virtual Size window_size() = 0;
    virtual void set_window_size(int width, int height) = 0;
    virtual void set_window_title(const String& title) = 0;
    virtual void swap_buffers() = 0;
    virtual void swap_interval(int interval) = 0;
    virtual void poll_events() = 0;
    virtual bool take_picture_request() = 0;
    virtual GlProc gl_function(const char* name) = 0;
    virtual bool gl_extension_supported(const char* name) = 0;
    virtual Version gl_context_version() = 0;

    virtual uint32_t milliseconds() = 0;
    virtual void sleep_milliseconds(uint32_t ms) = 0;
    virtual LocalTime local_time() = 0;

    virtual void keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]) = 0;

    virtual bool joystick_present(int id) = 0;
    virtual int joystick_axis_count(int id) = 0;
    virtual int joystick_button_count(int id) = 0;
    virtual int joystick_hat_count(int id) = 0;
    virtual int read_joystick_axes(int id, float* axes, int count) = 0;
    virtual int read_joystick_buttons(int id, uint8_t* buttons, int count) = 0;
    virtual String joystick_name(int id) = 0;
    virtual String joystick_guid(int id) = 0;
    virtual uint32_t joystick_connection(int id) = 0;

    virtual bool mouse_button(int button) = 0;
    virtual MousePosition mouse_position() = 0;
    virtual int mouse_wheel() = 0;

    // The handlers are the engine's; backends call them from poll_events.
    void set_size_handler(SizeHandler handler) { size_handler_ = std::move(handler); }
    void set_close_handler(CloseHandler handler) { close_handler_ = std::move(handler); }

  protected:
    // Reports a new client size to the engine.
    void report_size(int width, int height) {
        if (size_handler_)
            size_handler_(width, height);
    }
    // Asks the engine whether a close request may close the window.
    bool ask_close() { return close_handler_ ? close_handler_() : true; }

  private:
    SizeHandler size_handler_;
    CloseHandler close_handler_;
};

// The backend in use: the GLFW one unless another was chosen.
Backend& backend();

// Makes b the backend in use (b must outlive its use); null restores GLFW's.
// Choose before the window system starts: handlers stay with the old backend.
void use_backend(Backend* b);

} // namespace lum::platform
