#include "lum/platform/glfw/glfw_backend.hpp"

#include "lum/platform/glfw/virtual_keys.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace lum::platform {

namespace {

GlfwBackend* owner_of(GLFWwindow* w) {
    return static_cast<GlfwBackend*>(glfwGetWindowUserPointer(w));
}

void report_glfw_error(int code, const char* text) {
    std::fprintf(stderr, "lum.platform: GLFW error 0x%X: %s\n", code, text ? text : "");
}

bool valid_joystick(int id) {
    return id >= 0 && id < JOYSTICK_COUNT;
}

} // namespace

// The window system calls these through static trampolines; they reach the
// backend through the window's user pointer.
struct GlfwCallbacks {
    static void size(GLFWwindow* w, int width, int height) { owner_of(w)->on_native_size(width, height); }
    static void close(GLFWwindow* w) { owner_of(w)->on_native_close(); }
    static void key(GLFWwindow* w, int key, int, int action, int) {
        if (action == GLFW_REPEAT)
            return;
        owner_of(w)->on_native_key(virtual_key_of_glfw_key(key), action == GLFW_PRESS);
    }
    static void scroll(GLFWwindow* w, double, double dy) { owner_of(w)->on_native_scroll(dy); }
};

GlfwBackend::~GlfwBackend() {
    // At process exit the window system may already be gone; only tidy up
    // what this object started.
    if (started_)
        stop_window_system();
}

bool GlfwBackend::start_window_system() {
    if (started_)
        return true;
    glfwSetErrorCallback(report_glfw_error);
    started_ = glfwInit() == GLFW_TRUE;
    return started_;
}

void GlfwBackend::stop_window_system() {
    close_window();
    if (started_)
        glfwTerminate();
    started_ = false;
}

Version GlfwBackend::window_system_version() {
    Version v;
    glfwGetVersion(&v.major, &v.minor, &v.revision);
    return v;
}

VideoMode GlfwBackend::desktop_mode() {
    if (!started_)
        return {};
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode)
        return {};
    return {mode->width, mode->height, mode->redBits, mode->greenBits, mode->blueBits};
}

int GlfwBackend::monitor_count() {
    if (!started_)
        return 0;
    int count = 0;
    glfwGetMonitors(&count);
    return count;
}

bool GlfwBackend::open_window(const WindowRequest& r) {
    if (!started_)
        return false;
    close_window();
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_RED_BITS, r.red_bits);
    glfwWindowHint(GLFW_GREEN_BITS, r.green_bits);
    glfwWindowHint(GLFW_BLUE_BITS, r.blue_bits);
    glfwWindowHint(GLFW_ALPHA_BITS, r.alpha_bits);
    glfwWindowHint(GLFW_DEPTH_BITS, r.depth_bits);
    glfwWindowHint(GLFW_STENCIL_BITS, r.stencil_bits);
    glfwWindowHint(GLFW_VISIBLE, r.visible ? GLFW_TRUE : GLFW_FALSE);
    std::string title = r.title.to_utf8();
    window_ = glfwCreateWindow(std::max(1, r.width), std::max(1, r.height), title.c_str(), nullptr, nullptr);
    if (!window_)
        return false;
    glfwMakeContextCurrent(window_);
    glfwSetWindowUserPointer(window_, this);
    glfwSetWindowSizeCallback(window_, GlfwCallbacks::size);
    glfwSetWindowCloseCallback(window_, GlfwCallbacks::close);
    glfwSetKeyCallback(window_, GlfwCallbacks::key);
    glfwSetScrollCallback(window_, GlfwCallbacks::scroll);
    facts_known_ = false;
    keys_.release_all();
    wheel_ = 0;
    return true;
}

void GlfwBackend::close_window() {
    if (!window_)
        return;
    glfwDestroyWindow(window_);
    window_ = nullptr;
    facts_known_ = false;
    keys_.release_all();
}

bool GlfwBackend::context_current() {
    return window_ && glfwGetCurrentContext() == window_;
}

bool GlfwBackend::window_open() {
    return window_ && !glfwWindowShouldClose(window_);
}

bool GlfwBackend::window_active() {
    return window_ && glfwGetWindowAttrib(window_, GLFW_FOCUSED) == GLFW_TRUE;
}

Size GlfwBackend::window_size() {
    Size s;
    if (window_)
        glfwGetWindowSize(window_, &s.width, &s.height);
    return s;
}

void GlfwBackend::set_window_size(int width, int height) {
    if (window_)
        glfwSetWindowSize(window_, std::max(1, width), std::max(1, height));
}

void GlfwBackend::set_window_title(const String& title) {
    if (window_)
        glfwSetWindowTitle(window_, title.to_utf8().c_str());
}

void GlfwBackend::swap_buffers() {
    if (window_)
        glfwSwapBuffers(window_);
}

void GlfwBackend::swap_interval(int interval) {
    if (window_)
        glfwSwapInterval(interval);
}

void GlfwBackend::poll_events() {
    if (started_)
        glfwPollEvents();
}

const GlContextFacts& GlfwBackend::context_facts() {
    if (!facts_known_) {
        facts_.major = glfwGetWindowAttrib(window_, GLFW_CONTEXT_VERSION_MAJOR);
        facts_.minor = glfwGetWindowAttrib(window_, GLFW_CONTEXT_VERSION_MINOR);
        facts_.ext_framebuffer_object = glfwExtensionSupported("GL_EXT_framebuffer_object") == GLFW_TRUE;
        facts_.arb_framebuffer_object = glfwExtensionSupported("GL_ARB_framebuffer_object") == GLFW_TRUE;
        facts_known_ = true;
    }
    return facts_;
}

GlProc GlfwBackend::gl_function(const char* name) {
    if (!window_ || !name || glfwGetCurrentContext() != window_)
        return nullptr;
    if (!gl_function_offered(name, context_facts()))
        return nullptr;
    return glfwGetProcAddress(name);
}

bool GlfwBackend::gl_extension_supported(const char* name) {
    if (!window_ || !name || glfwGetCurrentContext() != window_)
        return false;
    return glfwExtensionSupported(name) == GLFW_TRUE;
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

void GlfwBackend::keyboard_state(uint8_t state[VIRTUAL_KEY_COUNT]) {
    keys_.read(state);
}

bool GlfwBackend::joystick_present(int id) {
    return started_ && valid_joystick(id) && glfwJoystickPresent(GLFW_JOYSTICK_1 + id) == GLFW_TRUE;
}

int GlfwBackend::joystick_axis_count(int id) {
    int count = 0;
    if (joystick_present(id))
        glfwGetJoystickAxes(GLFW_JOYSTICK_1 + id, &count);
    return count;
}

int GlfwBackend::joystick_button_count(int id) {
    int count = 0;
    if (joystick_present(id))
        glfwGetJoystickButtons(GLFW_JOYSTICK_1 + id, &count);
    return count;
}

int GlfwBackend::read_joystick_axes(int id, float* axes, int count) {
    if (!joystick_present(id) || !axes || count <= 0)
        return 0;
    int have = 0;
    const float* values = glfwGetJoystickAxes(GLFW_JOYSTICK_1 + id, &have);
    int n = values ? std::min(have, count) : 0;
    std::copy(values, values + n, axes);
    return n;
}

int GlfwBackend::read_joystick_buttons(int id, uint8_t* buttons, int count) {
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
    const char* name = joystick_present(id) ? glfwGetJoystickName(GLFW_JOYSTICK_1 + id) : nullptr;
    return name ? String(name) : String();
}

bool GlfwBackend::mouse_button(int button) {
    if (!window_ || button < 0 || button >= MOUSE_BUTTON_COUNT)
        return false;
    return glfwGetMouseButton(window_, GLFW_MOUSE_BUTTON_1 + button) == GLFW_PRESS;
}

MousePosition GlfwBackend::mouse_position() {
    if (!window_)
        return {};
    double x = 0, y = 0;
    glfwGetCursorPos(window_, &x, &y);
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

int GlfwBackend::mouse_wheel() {
    return static_cast<int>(std::lround(wheel_));
}

void GlfwBackend::on_native_size(int width, int height) {
    report_size(width, height);
}

void GlfwBackend::on_native_close() {
    if (!ask_close())
        glfwSetWindowShouldClose(window_, GLFW_FALSE);
}

void GlfwBackend::on_native_key(int virtual_key, bool down) {
    if (down)
        keys_.press(virtual_key);
    else
        keys_.release(virtual_key);
}

void GlfwBackend::on_native_scroll(double steps) {
    wheel_ += steps;
}

} // namespace lum::platform
