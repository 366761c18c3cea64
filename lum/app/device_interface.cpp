#include "lum/app/device_interface.hpp"

namespace lum {

DeviceInterface::DeviceInterface() {}

} // namespace lum
