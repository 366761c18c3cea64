#pragma once

#include "lum/platform/window.hpp"

struct GLFWwindow;

namespace lum::platform {

// What a GlfwWindow hears from the window system, from inside poll_events.
class GlfwWindowEvents {
  public:
    virtual void on_size(int width, int height) = 0;
    // A close request from the window manager; true lets the window close.
    virtual bool on_close() = 0;
    virtual void on_key(int virtual_key, bool down) = 0;
    virtual void on_scroll(double steps) = 0;
    // The window's contents were lost (exposed, resized, restored).
    virtual void on_refresh() = 0;

  protected:
    ~GlfwWindowEvents() = default;
};

// GLFW and its one window with an OpenGL context: what the real backend
// drives and what the scripted backend borrows for a real hidden context.
// Every call is harmless before start or without a window.
class GlfwWindow {
  public:
    GlfwWindow() = default;
    GlfwWindow(const GlfwWindow&) = delete;
    GlfwWindow& operator=(const GlfwWindow&) = delete;
    // Stops GLFW if this object started it.
    ~GlfwWindow();

    // Starts GLFW; false when it cannot (no display). Starting twice is fine.
    bool start();
    // Destroys the window and stops GLFW.
    void stop();
    bool started() const { return started_; }
    // The version of the GLFW library in use; known before start.
    static Version library_version();

    // Opens the window and makes its context current, closing any old one
    // first. Events go to listener; without one they are dropped and close
    // requests refused.
    bool open(const WindowRequest& request, GlfwWindowEvents* listener);
    void close();
    // The window, or null; for the queries only the real backend makes.
    GLFWwindow* handle() const { return window_; }

    bool context_current() const;
    // False once a close request was let through (the window still exists).
    bool close_requested() const;
    // Both as of the last poll_events.
    bool focused() const;
    Size size() const;
    void set_size(int width, int height);
    void set_title(const String& title);
    void swap_buffers();
    void swap_interval(int interval);
    void poll_events();

    // The window system's address for name while the context is current,
    // else null (see gl_function: a stub proves nothing).
    GlProc proc_address(const char* name) const;
    bool extension_supported(const char* name) const;
    // The context's OpenGL version; zeros without a current context.
    Version context_version() const;

  private:
    friend struct GlfwWindowCallbacks;

    bool started_ = false;
    GLFWwindow* window_ = nullptr;
    GlfwWindowEvents* listener_ = nullptr;
    // As the window system last reported them (see open).
    bool focused_ = false;
    Size size_;
};

} // namespace lum::platform
