#include "lum/app/device_interface.hpp"

#include "lum/audio/audio_device.hpp"

namespace lum {

DeviceInterface::DeviceInterface()
    : audio(&audio_device()), group_a(&audio_device().group_a), group_b(&audio_device().group_b) {}

} // namespace lum
