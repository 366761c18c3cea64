#pragma once

#include "lum/platform/joystick.hpp"
#include "lum/text/string.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace lum::platform {

// Joysticks kept as plain state, read through the same calls as joystick.hpp:
// the scripted backend's and the virtual joypads. As with keys, a button that
// went down and up again since it was last read reads as down once.
class JoystickBank {
  public:
    // Connects joystick id (replacing what was there, as a new connection) with
    // every axis at 0 and every button up; ids outside 0..JOYSTICK_COUNT - 1 are
    // ignored. An empty guid is made from the name (guid_from_name). Each hat
    // adds four buttons after the others (up, right, down, left), as GLFW has them.
    void plug(int id, const String& name, int axes, int buttons, const String& guid = String(), int hats = 0);
    // Disconnects it; its buttons and axes are gone with it, taps included.
    void unplug(int id);
    // Sets an axis of a connected joystick, clamped to -1..1; false when there
    // is no such joystick or axis.
    bool set_axis(int id, int axis, float value);
    // Sets a button of a connected joystick; false when there is none.
    bool set_button(int id, int button, bool down);

    bool present(int id) const;
    int axis_count(int id) const;
    // Every button, the hats' four each included.
    int button_count(int id) const;
    int hat_count(int id) const;
    int read_axes(int id, float* axes, int count) const;
    // Also forgets the taps of the buttons it copied.
    int read_buttons(int id, uint8_t* buttons, int count);
    String name(int id) const;
    String guid(int id) const;
    // See joystick_connection.
    uint32_t connection(int id) const;

  private:
    struct Joystick {
        bool present = false;
        uint32_t connection = 0;
        String name;
        String guid;
        std::vector<float> axes;
        std::vector<uint8_t> buttons;
        std::vector<uint8_t> tapped;
        int hats = 0;
    };
    const Joystick* find(int id) const;
    Joystick* find(int id);

    std::array<Joystick, JOYSTICK_COUNT> joysticks_;
    uint32_t connections_ = 0;
};

} // namespace lum::platform
