#include "lum/platform/backend.hpp"
#include "lum/platform/glfw/glfw_backend.hpp"

namespace lum::platform {

namespace {

Backend* chosen = nullptr;

Backend& real_backend() {
    static GlfwBackend glfw;
    return glfw;
}

} // namespace

Backend& backend() {
    return chosen ? *chosen : real_backend();
}

void use_backend(Backend* b) {
    chosen = b;
}

bool start_window_system() {
    return backend().start_window_system();
}
void stop_window_system() {
    backend().stop_window_system();
}
Version window_system_version() {
    return backend().window_system_version();
}
VideoMode desktop_mode() {
    return backend().desktop_mode();
}
int monitor_count() {
    return backend().monitor_count();
}

bool open_window(const WindowRequest& request) {
    return backend().open_window(request);
}
void close_window() {
    backend().close_window();
}
bool context_current() {
    return backend().context_current();
}
bool window_open() {
    return backend().window_open();
}
bool window_active() {
    return backend().window_active();
}
Size window_size() {
    return backend().window_size();
}
void set_window_size(int width, int height) {
    backend().set_window_size(width, height);
}
void set_window_title(const String& title) {
    backend().set_window_title(title);
}
void set_window_size_handler(SizeHandler handler) {
    backend().set_size_handler(std::move(handler));
}
void set_window_close_handler(CloseHandler handler) {
    backend().set_close_handler(std::move(handler));
}
void swap_buffers() {
    backend().swap_buffers();
}
void swap_interval(int interval) {
    backend().swap_interval(interval);
}
bool take_picture_request() {
    return backend().take_picture_request();
}

void poll_events() {
    backend().poll_events();
}
GlProc gl_function(const char* name) {
    return backend().gl_function(name);
}
bool gl_extension_supported(const char* name) {
    return backend().gl_extension_supported(name);
}
Version gl_context_version() {
    return backend().gl_context_version();
}

uint32_t milliseconds() {
    return backend().milliseconds();
}
void sleep_milliseconds(uint32_t ms) {
    backend().sleep_milliseconds(ms);
}
LocalTime local_time() {
    return backend().local_time();
}

void keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]) {
    backend().keyboard_state(state);
}

bool joystick_present(int id) {
    return backend().joystick_present(id);
}
int joystick_axis_count(int id) {
    return backend().joystick_axis_count(id);
}
int joystick_button_count(int id) {
    return backend().joystick_button_count(id);
}
int joystick_hat_count(int id) {
    return backend().joystick_hat_count(id);
}
int read_joystick_axes(int id, float* axes, int count) {
    return backend().read_joystick_axes(id, axes, count);
}
int read_joystick_buttons(int id, uint8_t* buttons, int count) {
    return backend().read_joystick_buttons(id, buttons, count);
}
String joystick_name(int id) {
    return backend().joystick_name(id);
}
String joystick_guid(int id) {
    return backend().joystick_guid(id);
}
uint32_t joystick_connection(int id) {
    return backend().joystick_connection(id);
}

bool mouse_button(int button) {
    return backend().mouse_button(button);
}
MousePosition mouse_position() {
    return backend().mouse_position();
}
int mouse_wheel() {
    return backend().mouse_wheel();
}

} // namespace lum::platform
