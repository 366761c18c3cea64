#pragma once

#include "lum/platform/keyboard.hpp"

#include <array>
#include <cstdint>

namespace lum::platform {

// Key presses as the backend hears them, kept until the engine reads them: a
// key that went down and up between two reads still reads as down once.
class KeyLatch {
  public:
    // Records a key going down or up; codes outside 1..255 are ignored.
    void press(int virtual_key);
    void release(int virtual_key);

    // Forgets every key (the window lost its keyboard).
    void release_all();

    // Writes the 256-byte state (see keyboard_state) and forgets the taps.
    void read(uint8_t state[VIRTUAL_KEY_COUNT]);

  private:
    std::array<bool, VIRTUAL_KEY_COUNT> down_{};
    std::array<bool, VIRTUAL_KEY_COUNT> tapped_{};
};

} // namespace lum::platform
