#include "lum/platform/scripted/scripted_backend.hpp"

#include <algorithm>

namespace lum::platform {

ScriptedBackend::ScriptedBackend(WindowKind kind, uint32_t start_ms) : kind_(kind), now_(start_ms) {}

void ScriptedBackend::key_down(int vk) {
    pending_.push_back([this, vk] { keys_.press(vk); });
}

void ScriptedBackend::key_up(int vk) {
    pending_.push_back([this, vk] { keys_.release(vk); });
}

void ScriptedBackend::tap_key(int vk) {
    key_down(vk);
    key_up(vk);
}

void ScriptedBackend::set_active(bool active) {
    pending_.push_back([this, active] {
        active_ = active;
        // A window that loses the keyboard hears no more key releases.
        if (!active)
            keys_.release_all();
    });
}

void ScriptedBackend::resize(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    // The hidden window follows at once, so that its framebuffer has the size.
    context_.set_size(width, height);
    pending_.push_back([this, width, height] {
        if (!open_)
            return;
        size_ = {width, height};
        report_size(width, height);
    });
}

void ScriptedBackend::request_close() {
    pending_.push_back([this] {
        if (open_ && !closed_ && ask_close())
            closed_ = true;
    });
}

void ScriptedBackend::set_mouse_button(int button, bool down) {
    if (button >= 0 && button < MOUSE_BUTTON_COUNT)
        mouse_buttons_[button] = down;
}

void ScriptedBackend::scroll(int steps) {
    if (open_)
        wheel_ += steps;
}

bool ScriptedBackend::start_window_system() {
    if (kind_ == WindowKind::HIDDEN && !context_.start())
        return false;
    started_ = true;
    return true;
}

void ScriptedBackend::stop_window_system() {
    close_window();
    context_.stop();
    started_ = false;
}

bool ScriptedBackend::open_window(const WindowRequest& request) {
    if (!started_)
        return false;
    close_window();
    if (kind_ == WindowKind::HIDDEN) {
        WindowRequest hidden = request;
        hidden.visible = false;
        if (!context_.open(hidden, nullptr))
            return false;
    }
    open_ = true;
    // A new window has the focus at once, as on the real desktop.
    active_ = true;
    size_ = {std::max(1, request.width), std::max(1, request.height)};
    title_ = request.title;
    // Like a real window, a new one has heard of no press yet.
    mouse_buttons_.fill(false);
    pending_.clear();
    return true;
}

void ScriptedBackend::close_window() {
    context_.close();
    open_ = false;
    closed_ = false;
    active_ = false;
    size_ = {};
    keys_.release_all();
    wheel_ = 0;
}

void ScriptedBackend::set_window_size(int width, int height) {
    if (open_)
        resize(width, height);
}

void ScriptedBackend::set_window_title(const String& title) {
    title_ = title;
    context_.set_title(title);
}

void ScriptedBackend::swap_buffers() {
    ++swaps_;
    context_.swap_buffers();
}

void ScriptedBackend::swap_interval(int interval) {
    interval_ = interval;
    context_.swap_interval(interval);
}

void ScriptedBackend::poll_events() {
    ++polls_;
    // The hidden window's own events are dropped, but the window system
    // still wants them handled.
    context_.poll_events();
    // Handlers may script more events; those wait for the next poll.
    auto events = std::move(pending_);
    pending_.clear();
    for (auto& e : events)
        e();
    if (poll_hook_)
        poll_hook_();
}

GlProc ScriptedBackend::gl_function(const char* name) {
    return context_.proc_address(name);
}

bool ScriptedBackend::gl_extension_supported(const char* name) {
    return context_.extension_supported(name);
}

Version ScriptedBackend::gl_context_version() {
    return context_.context_version();
}

void ScriptedBackend::sleep_milliseconds(uint32_t ms) {
    now_ += ms;
    slept_ += ms;
}

bool ScriptedBackend::mouse_button(int button) {
    return open_ && button >= 0 && button < MOUSE_BUTTON_COUNT && mouse_buttons_[button];
}

} // namespace lum::platform
