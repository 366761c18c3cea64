#include "lum/input/keyboard_state.hpp"

#include "lum/platform/keyboard.hpp"
#include "lum/platform/virtual_key.hpp"

namespace lum {

namespace {

// The engine code of each Windows virtual key the keyboard reads, 0 for the
// others (VK_F13, VK_F14 and VK_F16 among them, and the punctuation keys).
constexpr std::array<uint8_t, platform::VIRTUAL_KEY_COUNT> CODE_OF_VIRTUAL_KEY = [] {
    using namespace platform;
    std::array<uint8_t, VIRTUAL_KEY_COUNT> codes{};
    codes[VK_BACK] = KEY_BACKSPACE;
    codes[VK_TAB] = KEY_TAB;
    codes[VK_CLEAR] = KEY_CLEAR;
    codes[VK_RETURN] = KEY_RETURN;
    codes[VK_ESCAPE] = KEY_ESCAPE;
    codes[VK_SPACE] = KEY_SPACE;
    codes[VK_CAPITAL] = KEY_CAPS;
    codes[VK_PRIOR] = KEY_PAGE_UP;
    codes[VK_NEXT] = KEY_PAGE_DOWN;
    codes[VK_END] = KEY_END;
    codes[VK_HOME] = KEY_HOME;
    codes[VK_LEFT] = KEY_LEFT;
    codes[VK_UP] = KEY_UP;
    codes[VK_RIGHT] = KEY_RIGHT;
    codes[VK_DOWN] = KEY_DOWN;
    codes[VK_INSERT] = KEY_INSERT;
    codes[VK_DELETE] = KEY_DELETE;
    for (int vk = VK_0; vk <= VK_9; ++vk)
        codes[vk] = static_cast<uint8_t>('0' + (vk - VK_0));
    // Letters read as lower case; Shift makes the capitals (poll_keyboard).
    for (int vk = VK_A; vk <= VK_Z; ++vk)
        codes[vk] = static_cast<uint8_t>('a' + (vk - VK_A));
    for (int vk = VK_NUMPAD_0; vk <= VK_NUMPAD_9; ++vk)
        codes[vk] = static_cast<uint8_t>(KEY_NUM_0 + (vk - VK_NUMPAD_0));
    codes[VK_MULTIPLY] = KEY_NUM_MUL;
    codes[VK_ADD] = KEY_NUM_ADD;
    codes[VK_SUBTRACT] = KEY_NUM_SUB;
    codes[VK_DECIMAL] = KEY_NUM_PERIOD;
    codes[VK_DIVIDE] = KEY_NUM_DIV;
    for (int vk = VK_F1; vk <= VK_F12; ++vk)
        codes[vk] = static_cast<uint8_t>(KEY_F1 + (vk - VK_F1));
    // F13, F14 and F16 come from print screen, scroll lock and help, not from
    // their own virtual keys; F15 and F17 to F20 do.
    codes[VK_SNAPSHOT] = KEY_F13;
    codes[VK_SCROLL] = KEY_F14;
    codes[VK_HELP] = KEY_F16;
    codes[VK_F15] = KEY_F15;
    for (int vk = VK_F17; vk <= VK_F20; ++vk)
        codes[vk] = static_cast<uint8_t>(KEY_F17 + (vk - VK_F17));
    codes[VK_L_SHIFT] = KEY_L_SHIFT;
    codes[VK_R_SHIFT] = KEY_R_SHIFT;
    codes[VK_L_CONTROL] = KEY_L_CONTROL;
    codes[VK_R_CONTROL] = KEY_R_CONTROL;
    // The left and right Alt keys.
    codes[VK_L_MENU] = KEY_L_COMMAND;
    codes[VK_R_MENU] = KEY_R_COMMAND;
    // WinApp is read from the input method's key, not the Applications key.
    codes[VK_PROCESS_KEY] = KEY_WIN_APP;
    return codes;
}();

// Each side-independent modifier, held while either of its sided keys is.
struct Modifier {
    int32_t code;
    int32_t left;
    int32_t right;
    uint32_t bit;
};
constexpr Modifier MODIFIERS[] = {
    {KEY_SHIFT, KEY_L_SHIFT, KEY_R_SHIFT, MODIFIER_SHIFT},
    {KEY_CONTROL, KEY_L_CONTROL, KEY_R_CONTROL, MODIFIER_CONTROL},
    {KEY_COMMAND, KEY_L_COMMAND, KEY_R_COMMAND, MODIFIER_COMMAND},
    {KEY_OPTION, KEY_L_OPTION, KEY_R_OPTION, MODIFIER_OPTION},
};

// The keys the system reports down, by engine code.
using DownKeys = std::array<uint8_t, KEY_COUNT>;

// The virtual keys the keyboard reads, each with its code, so a frame visits
// only these.
struct ReadKey {
    uint8_t virtual_key;
    uint8_t code;
};
constexpr size_t READ_KEY_COUNT = [] {
    size_t n = 0;
    for (uint8_t code : CODE_OF_VIRTUAL_KEY)
        n += code != 0 ? 1 : 0;
    return n;
}();
constexpr std::array<ReadKey, READ_KEY_COUNT> READ_KEYS = [] {
    std::array<ReadKey, READ_KEY_COUNT> keys{};
    size_t n = 0;
    for (int vk = 0; vk < platform::VIRTUAL_KEY_COUNT; ++vk) {
        if (CODE_OF_VIRTUAL_KEY[vk] != 0)
            keys[n++] = {static_cast<uint8_t>(vk), CODE_OF_VIRTUAL_KEY[vk]};
    }
    return keys;
}();

void read_keys(DownKeys& down) {
    uint8_t state[platform::VIRTUAL_KEY_COUNT] = {};
    platform::keyboard_state(state);
    for (const ReadKey& key : READ_KEYS)
        down[key.code] = (state[key.virtual_key] & platform::KEY_DOWN_BIT) != 0;
}

} // namespace

void KeyboardState::set_repeat(uint8_t delay, uint8_t interval) {
    for (ButtonState& key : keys)
        key.set_repeat(delay, interval);
}

KeyboardState& keyboard_state() {
    static KeyboardState keyboard;
    return keyboard;
}

// The states of the whole frame are worked out first, so each record runs its
// frame in one pass.
void poll_keyboard(KeyboardState& keyboard, bool enabled) {
    DownKeys down{};
    if (enabled)
        read_keys(down);

    keyboard.modifiers = 0;
    for (const Modifier& m : MODIFIERS) {
        down[m.code] = down[m.left] | down[m.right];
        if (down[m.code])
            keyboard.modifiers |= m.bit;
    }

    if (down[KEY_SHIFT]) {
        for (int32_t code = 'a'; code <= 'z'; ++code) {
            if (keyboard.keys[code].pressed)
                down[code - ('a' - 'A')] = 1;
        }
    }

    // last_key comes from the pressed flags the previous frame left.
    int32_t last_key = 0;
    for (int32_t code = 0; code < KEY_COUNT; ++code) {
        ButtonState& key = keyboard.keys[code];
        if (key.pressed && last_key == 0)
            last_key = code;
        key.step(down[code] != 0);
    }
    keyboard.last_key = last_key;
}

} // namespace lum
