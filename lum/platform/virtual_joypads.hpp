#pragma once

#include "lum/platform/joystick_bank.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace lum::platform {

// When this environment variable names a file, the real backend takes every
// joystick from that file and reads no device.
inline constexpr const char* VIRTUAL_JOYPADS_VARIABLE = "LUM_VIRTUAL_JOYPADS";

// The joysticks a virtual-joypad file describes, built from its bytes as they
// arrive; it does no I/O of its own. One command per line, words separated by
// blanks; empty lines and lines whose first word starts with "#" are skipped:
//   plug ID AXES BUTTONS [NAME]   hats ID HATS   unplug ID
//   press ID BUTTON   release ID BUTTON   axis ID AXIS VALUE
// with ID 0..15, AXES 0..8, BUTTONS 0..32, HATS 0..4, buttons and axes counted
// from 0 and VALUE -1..1. plug connects a joystick at rest (again if it was
// plugged); NAME is the rest of the line, so it may start with a number, and
// the hat count has a command of its own: hats connects a plugged joystick
// afresh with HATS hats, whose buttons (up, right, down, left each) follow
// its BUTTONS. A bad line is reported and skipped.
class VirtualJoypads {
  public:
    static constexpr int MAX_AXES = 8;
    static constexpr int MAX_BUTTONS = 32;
    static constexpr int MAX_HATS = 4;
    // Longer lines are reported and skipped without being kept.
    static constexpr size_t MAX_LINE = 4096;

    // Called with "FILE:LINE: PROBLEM" for each bad line.
    using Report = std::function<void(const std::string& problem)>;

    VirtualJoypads(std::string file_name, Report report);

    // Takes the next bytes of the file. Each line is carried out once its
    // newline arrives; a partial last line waits for the rest.
    void feed(std::string_view bytes);

    JoystickBank& joysticks() { return bank_; }

  private:
    void run(std::string_view line);
    void problem(const std::string& text);

    std::string file_name_;
    Report report_;
    std::string partial_;
    bool overlong_ = false;
    int line_number_ = 0;
    JoystickBank bank_;
};

} // namespace lum::platform
