#include "lum/core/runtime_warning.hpp"
#include "lum/core/vector.hpp"

#include <gtest/gtest.h>

using namespace lum;

TEST(Vector, OutOfRangeAccessWarnsAndYieldsAFreshSpareElement) {
    Vector<uint8_t> v(3);
    v[1] = 4;
    int before = warning_count();
    testing::internal::CaptureStderr();
    uint8_t& spare = v.at(3);
    EXPECT_EQ(spare, 0);
    spare = 9;
    EXPECT_EQ(v.at(3), 0);
    EXPECT_EQ(v.at(-1), 0);
    const Vector<uint8_t>& cv = v;
    EXPECT_EQ(cv.at(5), 0);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(warning_count(), before + 4);
    EXPECT_EQ(err, "[lum.runtime.warning Vector::at] Invalid index n={0} (n=3)\n"
                   "[lum.runtime.warning Vector::at] Invalid index n={0} (n=3)\n"
                   "[lum.runtime.warning Vector::at] Invalid index n={0} (n=-1)\n"
                   "[lum.runtime.warning Vector::const_at] Invalid index n={0} (n=5)\n");
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 4);
    EXPECT_EQ(v[2], 0);
}

TEST(Vector, NegativeResizeIsRefused) {
    Vector<int> v{1, 2};
    testing::internal::CaptureStderr();
    v.resize(-2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[lum.runtime.warning Vector::resize] Invalid parameter (n=-2)\n");
    EXPECT_EQ(v.size(), 2);
}

TEST(WarningStack, FalseOnTopSilencesAndDoesNotCount) {
    int before = warning_count();
    testing::internal::CaptureStderr();
    {
        SilentWarnings quiet;
        runtime_warning("here", "quiet", "n", 1);
        WarningStack::push(true);
        runtime_warning("here", "loud", "n", 2);
        WarningStack::pop();
    }
    EXPECT_TRUE(WarningStack::empty());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "[lum.runtime.warning here] loud (n=2)\n");
    EXPECT_EQ(warning_count(), before + 1);
}
