#pragma once

#include "lum/text/string.hpp"

#include <functional>

namespace lum::platform {

// Starts the window system; false when it cannot start (no display).
bool start_window_system();

// Closes the window, if any, and stops the window system. Safe to call twice.
void stop_window_system();

// The window system's version as major, minor and revision.
struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
Version window_system_version();

// The desktop's current video mode; zeros before the window system starts.
struct VideoMode {
    int width = 0;
    int height = 0;
    int red_bits = 0;
    int green_bits = 0;
    int blue_bits = 0;
};
VideoMode desktop_mode();

// The number of connected monitors; 0 before the window system starts.
int monitor_count();

// What the program asks of its one window. The bits are those of the default
// framebuffer; the context is a compatibility one, so OpenGL 1.x calls work.
struct WindowRequest {
    int width = 640;
    int height = 480;
    int red_bits = 8;
    int green_bits = 8;
    int blue_bits = 8;
    int alpha_bits = 0;
    int depth_bits = 0;
    int stencil_bits = 0;
    // Hidden windows serve tests and benchmarks: they still have a context.
    bool visible = true;
    String title;
};

// Opens the program's one window and makes its OpenGL context current.
// False when it cannot; a window already open is closed first.
bool open_window(const WindowRequest& request);

// Destroys the window and its context; the window system keeps running.
void close_window();

// True while the window's OpenGL context exists and is current, so OpenGL
// may be called (objects that outlive the window check it before deleting).
bool context_current();

// True from open_window until the window is destroyed or a close request was
// let through by the close handler.
bool window_open();

// True while the window has the keyboard focus.
bool window_active();

// The window's client size in pixels; zeros when there is no window.
struct Size {
    int width = 0;
    int height = 0;
};
Size window_size();

// Asks for a new client size; the size handler reports it once it happened.
void set_window_size(int width, int height);

// Sets the title (UTF-8 to the window system).
void set_window_title(const String& title);

// Called with the new client size after the window was resized.
using SizeHandler = std::function<void(int width, int height)>;
void set_window_size_handler(SizeHandler handler);

// Called when the user asks to close the window; returning true lets it close.
// Without a handler the window closes.
using CloseHandler = std::function<bool()>;
void set_window_close_handler(CloseHandler handler);

// Presents the back buffer.
void swap_buffers();

// Buffer swaps wait for this many vertical blanks (0: none).
void swap_interval(int interval);

// Handles pending window and input events; handlers run from here.
void poll_events();

// True when the window may have lost its picture (a new window, exposed,
// resized) since the last call, or the backend cannot tell: the next frame
// must be presented even if it draws what was shown. Clears the request.
bool take_picture_request();

// The window system's address of an OpenGL entry point in the current
// context; null without one. It proves nothing alone: under GLX any name gets
// a stub, so lum/graphics asks only for what the version or an extension of
// the context offers.
using GlProc = void (*)();
GlProc gl_function(const char* name);

// Whether the current context offers the named OpenGL extension.
bool gl_extension_supported(const char* name);

// The OpenGL version of the current context; zeros without one.
Version gl_context_version();

} // namespace lum::platform
