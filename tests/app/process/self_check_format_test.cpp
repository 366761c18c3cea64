#include "lum/app/process/self_check.hpp"

#include <gtest/gtest.h>

TEST(SelfCheckFormat, EveryKnownAnswerHolds) {
    testing::internal::CaptureStdout();
    lum::SelfCheck check = lum::unit_test_format();
    std::string failures = testing::internal::GetCapturedStdout();
    EXPECT_EQ(check.errors(), 0) << failures;
    EXPECT_EQ(failures, "");
    EXPECT_GE(check.total(), 40);
}
