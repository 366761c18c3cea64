#include "lum/platform/glfw/glfw_backend.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace lum::platform {

namespace {

bool valid_joystick(int id) {
    return id >= 0 && id < JOYSTICK_COUNT;
}

// GLFW's joystick callback takes no user pointer: the backend that started
// the window system listens.
GlfwBackend* joystick_listener = nullptr;

} // namespace

bool GlfwBackend::start_window_system() {
    if (window_.started())
        return true;
    if (!window_.start())
        return false;
    start_virtual_joypads();
    // Connections arrive during glfwPollEvents; pads present before now send
    // none and get their number when first asked for.
    connections_.fill(0);
    joystick_listener = this;
    glfwSetJoystickCallback(&GlfwBackend::on_joystick);
    return true;
}

void GlfwBackend::on_joystick(int jid, int event) {
    int id = jid - GLFW_JOYSTICK_1;
    if (!joystick_listener || !valid_joystick(id))
        return;
    GlfwBackend& b = *joystick_listener;
    b.connections_[id] = event == GLFW_CONNECTED ? ++b.connection_serial_ : 0;
}

void GlfwBackend::stop_window_system() {
    if (joystick_listener == this && window_.started()) {
        glfwSetJoystickCallback(nullptr);
        joystick_listener = nullptr;
    }
    close_window();
    window_.stop();
    virtual_pads_.reset();
    pad_file_.close();
}

void GlfwBackend::start_virtual_joypads() {
    const char* path = std::getenv(VIRTUAL_JOYPADS_VARIABLE);
    if (!path || !*path)
        return;
    virtual_pads_.emplace(path, [](const std::string& problem) {
        std::fprintf(stderr, "lum.platform: %s\n", problem.c_str());
    });
    std::string error;
    if (!pad_file_.open(path, error)) {
        std::fprintf(stderr, "lum.platform: %s: cannot read the virtual joypads: %s\n", path, error.c_str());
        return;
    }
    virtual_pads_->feed(pad_file_.read_new());
}

Version GlfwBackend::window_system_version() {
    return GlfwWindow::library_version();
}

VideoMode GlfwBackend::desktop_mode() {
    if (!window_.started())
        return {};
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode)
        return {};
    return {mode->width, mode->height, mode->redBits, mode->greenBits, mode->blueBits};
}

int GlfwBackend::monitor_count() {
    if (!window_.started())
        return 0;
    int count = 0;
    glfwGetMonitors(&count);
    return count;
}

bool GlfwBackend::open_window(const WindowRequest& request) {
    close_window();
    picture_request_ = true;
    return window_.open(request, this);
}

void GlfwBackend::close_window() {
    window_.close();
    keys_.release_all();
    wheel_ = 0;
}

bool GlfwBackend::context_current() {
    return window_.context_current();
}

bool GlfwBackend::window_open() {
    return window_.handle() && !window_.close_requested();
}

bool GlfwBackend::window_active() {
    return window_.focused();
}

Size GlfwBackend::window_size() {
    return window_.size();
}

void GlfwBackend::set_window_size(int width, int height) {
    window_.set_size(width, height);
}

void GlfwBackend::set_window_title(const String& title) {
    window_.set_title(title);
}

void GlfwBackend::swap_buffers() {
    window_.swap_buffers();
}

void GlfwBackend::swap_interval(int interval) {
    window_.swap_interval(interval);
}

void GlfwBackend::poll_events() {
    window_.poll_events();
    if (virtual_pads_)
        virtual_pads_->feed(pad_file_.read_new());
}

bool GlfwBackend::take_picture_request() {
    return std::exchange(picture_request_, false);
}

GlProc GlfwBackend::gl_function(const char* name) {
    return window_.proc_address(name);
}

bool GlfwBackend::gl_extension_supported(const char* name) {
    return window_.extension_supported(name);
}

Version GlfwBackend::gl_context_version() {
    return window_.context_version();
}

uint32_t GlfwBackend::milliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

void GlfwBackend::sleep_milliseconds(uint32_t ms) {
    timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    // A signal may cut the sleep short; sleep on for what is left.
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

LocalTime GlfwBackend::local_time() {
    time_t now = time(nullptr);
    tm t{};
    if (!localtime_r(&now, &t))
        return {};
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void GlfwBackend::keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]) {
    keys_.read(state);
}

bool GlfwBackend::joystick_present(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().present(id);
    return window_.started() && valid_joystick(id) && glfwJoystickPresent(GLFW_JOYSTICK_1 + id) == GLFW_TRUE;
}

int GlfwBackend::joystick_axis_count(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().axis_count(id);
    int count = 0;
    if (joystick_present(id))
        glfwGetJoystickAxes(GLFW_JOYSTICK_1 + id, &count);
    return count;
}

int GlfwBackend::joystick_button_count(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().button_count(id);
    int count = 0;
    if (joystick_present(id))
        glfwGetJoystickButtons(GLFW_JOYSTICK_1 + id, &count);
    return count;
}

int GlfwBackend::joystick_hat_count(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().hat_count(id);
    int count = 0;
    if (joystick_present(id))
        glfwGetJoystickHats(GLFW_JOYSTICK_1 + id, &count);
    return count;
}

int GlfwBackend::read_joystick_axes(int id, float* axes, int count) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().read_axes(id, axes, count);
    if (!joystick_present(id) || !axes || count <= 0)
        return 0;
    int have = 0;
    const float* values = glfwGetJoystickAxes(GLFW_JOYSTICK_1 + id, &have);
    int n = values ? std::min(have, count) : 0;
    std::copy(values, values + n, axes);
    return n;
}

int GlfwBackend::read_joystick_buttons(int id, uint8_t* buttons, int count) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().read_buttons(id, buttons, count);
    if (!joystick_present(id) || !buttons || count <= 0)
        return 0;
    int have = 0;
    const unsigned char* values = glfwGetJoystickButtons(GLFW_JOYSTICK_1 + id, &have);
    int n = values ? std::min(have, count) : 0;
    for (int i = 0; i < n; ++i)
        buttons[i] = values[i] == GLFW_PRESS ? 1 : 0;
    return n;
}

String GlfwBackend::joystick_name(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().name(id);
    const char* name = joystick_present(id) ? glfwGetJoystickName(GLFW_JOYSTICK_1 + id) : nullptr;
    return name ? String(name) : String();
}

String GlfwBackend::joystick_guid(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().guid(id);
    const char* guid = joystick_present(id) ? glfwGetJoystickGUID(GLFW_JOYSTICK_1 + id) : nullptr;
    return guid ? String(guid) : String();
}

uint32_t GlfwBackend::joystick_connection(int id) {
    if (virtual_pads_)
        return virtual_pads_->joysticks().connection(id);
    if (!joystick_present(id))
        return 0;
    // A pad that was there before the callback was set has no number yet.
    if (connections_[id] == 0)
        connections_[id] = ++connection_serial_;
    return connections_[id];
}

bool GlfwBackend::mouse_button(int button) {
    if (!window_.handle() || button < 0 || button >= MOUSE_BUTTON_COUNT)
        return false;
    return glfwGetMouseButton(window_.handle(), GLFW_MOUSE_BUTTON_1 + button) == GLFW_PRESS;
}

MousePosition GlfwBackend::mouse_position() {
    if (!window_.handle())
        return {};
    double x = 0, y = 0;
    glfwGetCursorPos(window_.handle(), &x, &y);
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

int GlfwBackend::mouse_wheel() {
    return static_cast<int>(std::lround(wheel_));
}

void GlfwBackend::on_size(int width, int height) {
    report_size(width, height);
}

bool GlfwBackend::on_close() {
    return ask_close();
}

void GlfwBackend::on_key(int virtual_key, bool down) {
    if (down)
        keys_.press(virtual_key);
    else
        keys_.release(virtual_key);
}

void GlfwBackend::on_refresh() {
    picture_request_ = true;
}

void GlfwBackend::on_scroll(double steps) {
    wheel_ += steps;
}

} // namespace lum::platform
