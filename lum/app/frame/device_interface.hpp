#pragma once

namespace lum {

class AudioDevice;
struct SourceGroup;
struct KeyboardState;
struct Input;
struct MouseState;
struct PlayerInput;

// The engine's process-wide devices as every task reaches them. Each object is
// created on first use and lives until the process exits.
class DeviceInterface {
  public:
    // Creates the devices on first use and points at them.
    DeviceInterface();

    AudioDevice* audio = nullptr;
    KeyboardState* keyboard = nullptr;
    Input* input = nullptr;
    MouseState* mouse = nullptr;
    // The input hub's record of whichever player pressed (player slot 9).
    PlayerInput* any_player = nullptr;
    // The audio device's first group (2 sources, chosen by index).
    SourceGroup* group_a = nullptr;
    // The audio device's second group (8 sources, the layer picks a free one).
    SourceGroup* group_b = nullptr;
};

} // namespace lum
