#include "lum/platform/key_latch.hpp"

#include <gtest/gtest.h>

#include <array>

using lum::platform::KeyLatch;

namespace {
std::array<uint8_t, 256> read(KeyLatch& latch) {
    std::array<uint8_t, 256> state{};
    latch.read(state.data());
    return state;
}
} // namespace

TEST(KeyLatch, TapBetweenTwoReadsReadsDownExactlyOnce) {
    KeyLatch latch;
    latch.press(0x0D);
    latch.release(0x0D);
    EXPECT_EQ(read(latch)[0x0D], 0x80);
    EXPECT_EQ(read(latch)[0x0D], 0);
}

TEST(KeyLatch, HeldKeyStaysDownUntilReleased) {
    KeyLatch latch;
    latch.press(0x41);
    EXPECT_EQ(read(latch)[0x41], 0x80);
    EXPECT_EQ(read(latch)[0x41], 0x80);
    latch.release(0x41);
    EXPECT_EQ(read(latch)[0x41], 0);
    // Nothing else was touched.
    auto state = read(latch);
    for (int vk = 0; vk < 256; ++vk)
        EXPECT_EQ(state[vk], 0) << vk;
}

TEST(KeyLatch, SidedModifiersAlsoSetTheGenericCode) {
    KeyLatch latch;
    latch.press(0xA1); // right Shift
    latch.press(0xA2); // left Control
    latch.press(0xA5); // right Alt
    auto state = read(latch);
    EXPECT_EQ(state[0x10], 0x80);
    EXPECT_EQ(state[0x11], 0x80);
    EXPECT_EQ(state[0x12], 0x80);
    latch.release(0xA1);
    EXPECT_EQ(read(latch)[0x10], 0);
}

TEST(KeyLatch, CodesOutsideTheTableAndReleaseAllAreHarmless) {
    KeyLatch latch;
    latch.press(0);
    latch.press(256);
    latch.press(-3);
    latch.release(999);
    auto state = read(latch);
    EXPECT_EQ(state[0], 0);
    latch.press(0x20);
    latch.release_all();
    EXPECT_EQ(read(latch)[0x20], 0);
}
