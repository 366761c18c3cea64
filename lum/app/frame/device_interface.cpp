#include "lum/app/frame/device_interface.hpp"

#include "lum/audio/audio_device.hpp"
#include "lum/input/input.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/input/mouse_state.hpp"

namespace lum {

DeviceInterface::DeviceInterface()
    : audio(&audio_device()), keyboard(&keyboard_state()), input(&lum::input()), mouse(&mouse_state()),
      any_player(&lum::input().players[Input::ANY_PLAYER]), group_a(&audio_device().group_a),
      group_b(&audio_device().group_b) {}

} // namespace lum
