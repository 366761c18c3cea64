#include "lum/app/process/self_check.hpp"

#include <gtest/gtest.h>

#include <string>

TEST(SelfCheckColor, EveryKnownAnswerHoldsAndNothingIsPrinted) {
    testing::internal::CaptureStdout();
    lum::SelfCheck check = lum::unit_test_color();
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(check.errors(), 0) << printed;
    EXPECT_EQ(check.passed(), check.total());
    EXPECT_GE(check.total(), 20);
    EXPECT_EQ(printed, "");
}
