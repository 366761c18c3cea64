#pragma once

#include <array>
#include <cstdint>

namespace lum {

// The keyboard as the frame's shortcuts read it, fed from the platform's
// virtual-key state. This file is the one seam to swap for the input layer's
// KeyboardState: the key names below, the modifier bits and run_input_step.

// Keys the shortcuts name, as virtual-key codes.
enum FrameKey : int32_t {
    KEY_RETURN = 0x0D,
    KEY_1 = 0x31,
    KEY_2 = 0x32,
    KEY_3 = 0x33,
    KEY_P = 0x50,
    KEY_S = 0x53,
    KEY_F1 = 0x70,
    KEY_F2 = 0x71,
    KEY_F3 = 0x72,
    KEY_F4 = 0x73,
    // Pause and Print are keys no virtual key feeds (the print screen key
    // reads as F13), so they never read as down.
    KEY_PAUSE = -1,
    KEY_PRINT = -2,
};

// Modifier bits: each set while its key is down. No key feeds Option.
enum ModifierBit : uint32_t { SHIFT = 1, CONTROL = 2, COMMAND = 4, OPTION = 8 };

// Down, pressed and released flags of every virtual key for the current frame.
class FrameKeyState {
  public:
    // Reads the platform's keyboard once and makes this frame's flags against
    // the previous frame's; when not enabled every key reads as up.
    void poll(bool enabled);
    // Reads the platform's keyboard and forgets it, so that taps made while
    // the keys were not looked at do not show up later.
    void drain();

    bool down(int32_t key) const { return inside(key) && now_[key]; }
    // Down now, up in the previous frame.
    bool pressed(int32_t key) const { return inside(key) && now_[key] && !before_[key]; }
    // Up now, down in the previous frame.
    bool released(int32_t key) const { return inside(key) && !now_[key] && before_[key]; }
    uint32_t modifiers() const { return modifiers_; }

    // Whether this frame's input counts (the window is active, or input is
    // taken in the background), as the last input step found it.
    bool enabled = false;
    // Frames left in which the keys are not read after the window regained
    // the focus, and whether it had the focus in the previous frame.
    int32_t hold_off = 0;
    bool was_active = false;

  private:
    static constexpr int32_t COUNT = 256;
    static bool inside(int32_t key) { return key >= 0 && key < COUNT; }

    std::array<bool, COUNT> now_{};
    std::array<bool, COUNT> before_{};
    uint32_t modifiers_ = 0;
};

// The process-wide key state.
FrameKeyState& frame_key_state();

// The frame's input step: whether input counts this frame, then the keyboard,
// which is not read in the frame the window regains the focus and the 14
// frames after it.
void run_input_step();

} // namespace lum
