#include "lum/platform/key_latch.hpp"

#include "lum/platform/virtual_key.hpp"

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
constexpr Generic GENERICS[] = {
    {VK_SHIFT, VK_L_SHIFT, VK_R_SHIFT},
    {VK_CONTROL, VK_L_CONTROL, VK_R_CONTROL},
    {VK_MENU, VK_L_MENU, VK_R_MENU},
};

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
