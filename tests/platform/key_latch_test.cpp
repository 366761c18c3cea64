#include "lum/platform/key_latch.hpp"
#include "lum/platform/virtual_key.hpp"

#include <gtest/gtest.h>

#include <array>

using namespace lum::platform;

namespace {
std::array<uint8_t, 256> read(KeyLatch& latch) {
    std::array<uint8_t, 256> state{};
    latch.read(state.data());
    return state;
}
} // namespace

TEST(KeyLatch, TapBetweenTwoReadsReadsDownExactlyOnce) {
    KeyLatch latch;
    latch.press(VK_RETURN);
    latch.release(VK_RETURN);
    EXPECT_EQ(read(latch)[VK_RETURN], 0x80);
    EXPECT_EQ(read(latch)[VK_RETURN], 0);
}

TEST(KeyLatch, HeldKeyStaysDownUntilReleased) {
    KeyLatch latch;
    latch.press(VK_A);
    EXPECT_EQ(read(latch)[VK_A], 0x80);
    EXPECT_EQ(read(latch)[VK_A], 0x80);
    latch.release(VK_A);
    EXPECT_EQ(read(latch)[VK_A], 0);
    // Nothing else was touched.
    auto state = read(latch);
    for (int vk = 0; vk < 256; ++vk)
        EXPECT_EQ(state[vk], 0) << vk;
}

TEST(KeyLatch, SidedModifiersAlsoSetTheGenericCode) {
    KeyLatch latch;
    latch.press(VK_R_SHIFT);
    latch.press(VK_L_CONTROL);
    latch.press(VK_R_MENU);
    auto state = read(latch);
    EXPECT_EQ(state[VK_SHIFT], 0x80);
    EXPECT_EQ(state[VK_CONTROL], 0x80);
    EXPECT_EQ(state[VK_MENU], 0x80);
    latch.release(VK_R_SHIFT);
    EXPECT_EQ(read(latch)[VK_SHIFT], 0);
}

TEST(KeyLatch, CodesOutsideTheTableAndReleaseAllAreHarmless) {
    KeyLatch latch;
    latch.press(0);
    latch.press(256);
    latch.press(-3);
    latch.release(999);
    auto state = read(latch);
    EXPECT_EQ(state[0], 0);
    latch.press(VK_SPACE);
    latch.release_all();
    EXPECT_EQ(read(latch)[VK_SPACE], 0);
}
