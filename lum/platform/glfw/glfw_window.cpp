#include "lum/platform/glfw/glfw_window.hpp"

#include "lum/platform/glfw/virtual_keys.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdio>

namespace lum::platform {

namespace {

void report_glfw_error(int code, const char* text) {
    std::fprintf(stderr, "lum.platform: GLFW error 0x%X: %s\n", code, text ? text : "");
}

} // namespace

// GLFW calls these through plain function pointers; they reach the GlfwWindow
// and its listener through the window's user pointer.
struct GlfwWindowCallbacks {
    static GlfwWindow& window_of(GLFWwindow* w) { return *static_cast<GlfwWindow*>(glfwGetWindowUserPointer(w)); }
    static GlfwWindowEvents* listener_of(GLFWwindow* w) { return window_of(w).listener_; }

    static void size(GLFWwindow* w, int width, int height) {
        window_of(w).size_ = Size{width, height};
        if (GlfwWindowEvents* l = listener_of(w))
            l->on_size(width, height);
    }
    static void focus(GLFWwindow* w, int focused) { window_of(w).focused_ = focused == GLFW_TRUE; }
    static void close(GLFWwindow* w) {
        GlfwWindowEvents* l = listener_of(w);
        if (!l || !l->on_close())
            glfwSetWindowShouldClose(w, GLFW_FALSE);
    }
    static void key(GLFWwindow* w, int key, int, int action, int) {
        GlfwWindowEvents* l = listener_of(w);
        if (l && action != GLFW_REPEAT)
            l->on_key(virtual_key_of_glfw_key(key), action == GLFW_PRESS);
    }
    static void refresh(GLFWwindow* w) {
        if (GlfwWindowEvents* l = listener_of(w))
            l->on_refresh();
    }
    static void scroll(GLFWwindow* w, double, double dy) {
        if (GlfwWindowEvents* l = listener_of(w))
            l->on_scroll(dy);
    }
};

GlfwWindow::~GlfwWindow() {
    // At process exit the window system may already be gone; only tidy up
    // what this object started.
    if (started_)
        stop();
}

bool GlfwWindow::start() {
    if (started_)
        return true;
    glfwSetErrorCallback(report_glfw_error);
    started_ = glfwInit() == GLFW_TRUE;
    return started_;
}

Version GlfwWindow::library_version() {
    Version v;
    glfwGetVersion(&v.major, &v.minor, &v.revision);
    return v;
}

void GlfwWindow::stop() {
    close();
    if (started_)
        glfwTerminate();
    started_ = false;
}

bool GlfwWindow::open(const WindowRequest& r, GlfwWindowEvents* listener) {
    if (!started_)
        return false;
    close();
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
    listener_ = listener;
    glfwMakeContextCurrent(window_);
    glfwSetWindowUserPointer(window_, this);
    // Focus and size are asked several times a frame; each question would be
    // a round trip to the X server, so they are kept from GLFW's events.
    focused_ = glfwGetWindowAttrib(window_, GLFW_FOCUSED) == GLFW_TRUE;
    glfwGetWindowSize(window_, &size_.width, &size_.height);
    glfwSetWindowFocusCallback(window_, GlfwWindowCallbacks::focus);
    glfwSetWindowSizeCallback(window_, GlfwWindowCallbacks::size);
    glfwSetWindowCloseCallback(window_, GlfwWindowCallbacks::close);
    glfwSetKeyCallback(window_, GlfwWindowCallbacks::key);
    glfwSetScrollCallback(window_, GlfwWindowCallbacks::scroll);
    glfwSetWindowRefreshCallback(window_, GlfwWindowCallbacks::refresh);
    return true;
}

void GlfwWindow::close() {
    if (!window_)
        return;
    glfwDestroyWindow(window_);
    window_ = nullptr;
    listener_ = nullptr;
}

bool GlfwWindow::context_current() const {
    return window_ && glfwGetCurrentContext() == window_;
}

bool GlfwWindow::close_requested() const {
    return window_ && glfwWindowShouldClose(window_);
}

bool GlfwWindow::focused() const {
    return window_ && focused_;
}

Size GlfwWindow::size() const {
    return window_ ? size_ : Size{};
}

void GlfwWindow::set_size(int width, int height) {
    if (window_)
        glfwSetWindowSize(window_, std::max(1, width), std::max(1, height));
}

void GlfwWindow::set_title(const String& title) {
    if (window_)
        glfwSetWindowTitle(window_, title.to_utf8().c_str());
}

void GlfwWindow::swap_buffers() {
    if (window_)
        glfwSwapBuffers(window_);
}

void GlfwWindow::swap_interval(int interval) {
    if (window_)
        glfwSwapInterval(interval);
}

void GlfwWindow::poll_events() {
    if (started_)
        glfwPollEvents();
}

GlProc GlfwWindow::proc_address(const char* name) const {
    if (!name || !context_current())
        return nullptr;
    return glfwGetProcAddress(name);
}

bool GlfwWindow::extension_supported(const char* name) const {
    return name && context_current() && glfwExtensionSupported(name) == GLFW_TRUE;
}

Version GlfwWindow::context_version() const {
    if (!context_current())
        return {};
    return {glfwGetWindowAttrib(window_, GLFW_CONTEXT_VERSION_MAJOR),
            glfwGetWindowAttrib(window_, GLFW_CONTEXT_VERSION_MINOR),
            glfwGetWindowAttrib(window_, GLFW_CONTEXT_REVISION)};
}

} // namespace lum::platform
