#include "lum/app/frame_key_state.hpp"

#include "lum/app/display_state.hpp"
#include "lum/platform/keyboard.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

// The side-independent modifier codes of the platform's state.
constexpr int32_t VK_SHIFT = 0x10;
constexpr int32_t VK_CONTROL = 0x11;
constexpr int32_t VK_ALT = 0x12;

} // namespace

void FrameKeyState::poll(bool enabled_now) {
    uint8_t state[platform::VIRTUAL_KEY_COUNT];
    // Read even when not enabled: the platform keeps taps until they are read.
    platform::keyboard_state(state);
    before_ = now_;
    for (int32_t vk = 0; vk < COUNT; ++vk)
        now_[vk] = enabled_now && (state[vk] & platform::KEY_DOWN_BIT) != 0;
    modifiers_ = 0;
    if (now_[VK_SHIFT])
        modifiers_ |= SHIFT;
    if (now_[VK_CONTROL])
        modifiers_ |= CONTROL;
    if (now_[VK_ALT])
        modifiers_ |= COMMAND;
}

void FrameKeyState::drain() {
    uint8_t state[platform::VIRTUAL_KEY_COUNT];
    platform::keyboard_state(state);
}

FrameKeyState& frame_key_state() {
    static FrameKeyState state;
    return state;
}

void run_input_step() {
    FrameKeyState& keys = frame_key_state();
    bool active = platform::window_active();
    keys.enabled = active || display().desktop_window;
    // Held-off frames leave the flags alone but drop what the platform kept.
    if (active && !keys.was_active) {
        keys.hold_off = 14;
        keys.drain();
    } else if (keys.hold_off > 0) {
        --keys.hold_off;
        keys.drain();
    } else {
        keys.poll(keys.enabled);
    }
    keys.was_active = active;
}

} // namespace lum
