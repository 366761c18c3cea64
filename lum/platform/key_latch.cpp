#include "lum/platform/key_latch.hpp"

namespace lum::platform {

namespace {

bool valid(int vk) {
    return vk > 0 && vk < VIRTUAL_KEY_COUNT;
}

// Windows' generic modifier codes and the sided keys behind each.
struct Generic {
    int code;
    int left;
    int right;
};
constexpr Generic GENERICS[] = {{0x10, 0xA0, 0xA1}, {0x11, 0xA2, 0xA3}, {0x12, 0xA4, 0xA5}};

} // namespace

void KeyLatch::press(int vk) {
    if (!valid(vk))
        return;
    down_[vk] = true;
    tapped_[vk] = true;
}

void KeyLatch::release(int vk) {
    if (valid(vk))
        down_[vk] = false;
}

void KeyLatch::release_all() {
    down_.fill(false);
    tapped_.fill(false);
}

void KeyLatch::read(uint8_t state[VIRTUAL_KEY_COUNT]) {
    for (int vk = 0; vk < VIRTUAL_KEY_COUNT; ++vk)
        state[vk] = (down_[vk] || tapped_[vk]) ? KEY_DOWN_BIT : 0;
    for (const Generic& g : GENERICS)
        if (state[g.left] || state[g.right])
            state[g.code] = KEY_DOWN_BIT;
    tapped_.fill(false);
}

} // namespace lum::platform
