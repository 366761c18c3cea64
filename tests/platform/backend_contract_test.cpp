// The backend contract against the scripted backend, with no display.

#include "backend_contract.hpp"

#include "lum/platform/scripted/scripted_backend.hpp"

#include <string>

namespace lum::platform::contract {

namespace {

// The script plays the person; one poll delivers what it did.
class ScriptedDriver {
  public:
    Backend& backend() { return script_; }
    bool open(int width, int height) {
        WindowRequest r;
        r.width = width;
        r.height = height;
        r.title = String("lum contract");
        return open_window(r);
    }
    void settle() { poll_events(); }
    void user_resize(int width, int height) { script_.resize(width, height); }
    void user_close() { script_.request_close(); }
    void user_focus(bool focused) { script_.set_active(focused); }
    void tap_key(int vk) { script_.tap_key(vk); }
    void key_down(int vk) { script_.key_down(vk); }
    void key_up(int vk) { script_.key_up(vk); }
    void move_mouse(int x, int y) { script_.set_mouse_position(x, y); }
    void press_mouse(int button, bool down) { script_.set_mouse_button(button, down); }
    void scroll(int steps) { script_.scroll(steps); }
    std::string shown_title() { return script_.title().to_utf8(); }
    void plug(int id, const char* name, int axes, int buttons) {
        script_.connect_joystick(id, String(name), axes, buttons);
    }
    void unplug(int id) { script_.disconnect_joystick(id); }
    void set_axis(int id, int axis, float value) { script_.set_joystick_axis(id, axis, value); }
    void set_button(int id, int button, bool down) { script_.set_joystick_button(id, button, down); }

  private:
    ScriptedBackend script_;
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Scripted, BackendContract, ScriptedDriver);

} // namespace lum::platform::contract
