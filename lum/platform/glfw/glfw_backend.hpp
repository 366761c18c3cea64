#pragma once

#include "lum/platform/backend.hpp"
#include "lum/platform/file_follower.hpp"
#include "lum/platform/glfw/glfw_window.hpp"
#include "lum/platform/key_latch.hpp"
#include "lum/platform/virtual_joypads.hpp"

#include <array>
#include <optional>

namespace lum::platform {

// The real backend: GLFW 3 for the window, context, events, keys, mouse and
// joysticks; the monotonic clock and nanosleep for time. With
// LUM_VIRTUAL_JOYPADS set, the joysticks come from that file instead, read
// to its end when the window system starts and followed at every poll.
class GlfwBackend final : public Backend, private GlfwWindowEvents {
  public:
    bool start_window_system() override;
    void stop_window_system() override;
    Version window_system_version() override;
    VideoMode desktop_mode() override;
    int monitor_count() override;

    bool open_window(const WindowRequest& request) override;
    void close_window() override;
    bool context_current() override;
    bool window_open() override;
    bool window_active() override;
    Size window_size() override;
    void set_window_size(int width, int height) override;
    void set_window_title(const String& title) override;
    void swap_buffers() override;
    void swap_interval(int interval) override;
    void poll_events() override;
    bool take_picture_request() override;
    GlProc gl_function(const char* name) override;
    bool gl_extension_supported(const char* name) override;
    Version gl_context_version() override;

    uint32_t milliseconds() override;
    void sleep_milliseconds(uint32_t ms) override;
    LocalTime local_time() override;

    void keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]) override;

    bool joystick_present(int id) override;
    int joystick_axis_count(int id) override;
    int joystick_button_count(int id) override;
    int joystick_hat_count(int id) override;
    int read_joystick_axes(int id, float* axes, int count) override;
    int read_joystick_buttons(int id, uint8_t* buttons, int count) override;
    String joystick_name(int id) override;
    String joystick_guid(int id) override;
    uint32_t joystick_connection(int id) override;

    bool mouse_button(int button) override;
    MousePosition mouse_position() override;
    int mouse_wheel() override;

  private:
    void on_size(int width, int height) override;
    bool on_close() override;
    void on_key(int virtual_key, bool down) override;
    void on_scroll(double steps) override;
    void on_refresh() override;
    void start_virtual_joypads();
    // GLFW's joystick callback, for the backend whose window system runs.
    static void on_joystick(int jid, int event);

    // One number per connection of each real joystick (see joystick_connection).
    std::array<uint32_t, JOYSTICK_COUNT> connections_{};
    uint32_t connection_serial_ = 0;

    GlfwWindow window_;
    KeyLatch keys_;
    double wheel_ = 0;
    // The window may have lost its picture since the last frame presented.
    bool picture_request_ = true;
    std::optional<VirtualJoypads> virtual_pads_;
    FileFollower pad_file_;
};

} // namespace lum::platform
