#include "lum/input/keyboard_state.hpp"

#include "lum/platform/keyboard.hpp"

namespace lum {

namespace {

// The engine code of each Windows virtual key the keyboard reads, 0 for the
// others (0x7C, 0x7D and 0x7F among them, and the punctuation keys).
constexpr std::array<uint8_t, platform::VIRTUAL_KEY_COUNT> CODE_OF_VIRTUAL_KEY = [] {
    std::array<uint8_t, platform::VIRTUAL_KEY_COUNT> codes{};
    codes[0x08] = KEY_BACKSPACE;
    codes[0x09] = KEY_TAB;
    codes[0x0C] = KEY_CLEAR;
    codes[0x0D] = KEY_RETURN;
    codes[0x1B] = KEY_ESCAPE;
    codes[0x20] = KEY_SPACE;
    codes[0x14] = KEY_CAPS;
    codes[0x21] = KEY_PAGE_UP;
    codes[0x22] = KEY_PAGE_DOWN;
    codes[0x23] = KEY_END;
    codes[0x24] = KEY_HOME;
    codes[0x25] = KEY_LEFT;
    codes[0x26] = KEY_UP;
    codes[0x27] = KEY_RIGHT;
    codes[0x28] = KEY_DOWN;
    codes[0x2D] = KEY_INSERT;
    codes[0x2E] = KEY_DELETE;
    for (int vk = 0x30; vk <= 0x39; ++vk)
        codes[vk] = static_cast<uint8_t>(vk);
    for (int vk = 0x41; vk <= 0x5A; ++vk)
        codes[vk] = static_cast<uint8_t>(vk + ('a' - 'A'));
    for (int vk = 0x60; vk <= 0x69; ++vk)
        codes[vk] = static_cast<uint8_t>(KEY_NUM_0 + (vk - 0x60));
    codes[0x6A] = KEY_NUM_MUL;
    codes[0x6B] = KEY_NUM_ADD;
    codes[0x6D] = KEY_NUM_SUB;
    codes[0x6E] = KEY_NUM_PERIOD;
    codes[0x6F] = KEY_NUM_DIV;
    for (int vk = 0x70; vk <= 0x7B; ++vk)
        codes[vk] = static_cast<uint8_t>(KEY_F1 + (vk - 0x70));
    // Print screen, scroll lock and help.
    codes[0x2C] = KEY_F13;
    codes[0x91] = KEY_F14;
    codes[0x2F] = KEY_F16;
    codes[0x7E] = KEY_F15;
    for (int vk = 0x80; vk <= 0x83; ++vk)
        codes[vk] = static_cast<uint8_t>(KEY_F17 + (vk - 0x80));
    codes[0xA0] = KEY_L_SHIFT;
    codes[0xA1] = KEY_R_SHIFT;
    codes[0xA2] = KEY_L_CONTROL;
    codes[0xA3] = KEY_R_CONTROL;
    // The left and right Alt keys.
    codes[0xA4] = KEY_L_COMMAND;
    codes[0xA5] = KEY_R_COMMAND;
    codes[0xE5] = KEY_WIN_APP;
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
