#include "lum/platform/window_manager_close.hpp"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>
#include <optional>
#include <string>

namespace lum::platform {

namespace {

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

// The window's title as UTF-8: _NET_WM_NAME when set, else WM_NAME in
// whatever encoding it was stored.
std::optional<std::string> title_of(Display* d, Window w) {
    Atom net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, net_wm_name, 0, 1 << 16, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        std::string title(reinterpret_cast<char*>(data), count);
        XFree(data);
        if (type == utf8 && format == 8)
            return title;
    }
    XTextProperty property{};
    if (!XGetWMName(d, w, &property) || !property.value)
        return std::nullopt;
    std::optional<std::string> title;
    char** list = nullptr;
    int n = 0;
    if (Xutf8TextPropertyToTextList(d, &property, &list, &n) >= Success && list && n > 0)
        title = list[0];
    if (list)
        XFreeStringList(list);
    XFree(property.value);
    return title;
}

// Whether the window lists WM_DELETE_WINDOW among the protocols it takes.
bool takes_delete(Display* d, Window w, Atom delete_window) {
    Atom* protocols = nullptr;
    int n = 0;
    if (!XGetWMProtocols(d, w, &protocols, &n))
        return false;
    bool found = false;
    for (int i = 0; i < n; ++i)
        found = found || protocols[i] == delete_window;
    XFree(protocols);
    return found;
}

// The topmost window titled title among the children of parent; a window
// manager's frames hold the client windows a level or two further down.
Window find_titled(Display* d, Window parent, const std::string& title, Atom delete_window, int depth) {
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, parent, &root, &up, &children, &n))
        return 0;
    Window found = 0;
    // Children come bottom first: the last match is the one on top.
    for (unsigned int i = n; i-- > 0 && !found;) {
        std::optional<std::string> t = title_of(d, children[i]);
        if (t && *t == title && takes_delete(d, children[i], delete_window))
            found = children[i];
        else if (depth > 0)
            found = find_titled(d, children[i], title, delete_window, depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

// A window may vanish while it is looked at; Xlib's default handler would end
// the process for that.
int ignore_error(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

bool send_window_manager_close(const String& window_title) {
    DisplayHandle d(XOpenDisplay(nullptr));
    if (!d)
        return false;
    Atom protocols = XInternAtom(d.get(), "WM_PROTOCOLS", False);
    Atom delete_window = XInternAtom(d.get(), "WM_DELETE_WINDOW", False);
    XErrorHandler old_handler = XSetErrorHandler(ignore_error);
    Window w = find_titled(d.get(), DefaultRootWindow(d.get()), window_title.to_utf8(), delete_window, 2);
    if (!w) {
        XSetErrorHandler(old_handler);
        return false;
    }
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = protocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(delete_window);
    e.xclient.data.l[1] = CurrentTime;
    bool sent = XSendEvent(d.get(), w, False, NoEventMask, &e) != 0;
    // The message must reach the server before the connection goes.
    XSync(d.get(), False);
    XSetErrorHandler(old_handler);
    return sent;
}

} // namespace lum::platform
