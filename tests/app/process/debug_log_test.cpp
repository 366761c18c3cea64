#include "lum/app/process/debug_log.hpp"
#include "lum/app/process/system_profile.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdio>

using namespace lum;

TEST(DebugLog, FileNameHasEightUpperCaseHexDigits) {
    EXPECT_EQ(DebugLog::instance().file_name(0x452), String("debuglog-00000452.txt"));
    EXPECT_EQ(DebugLog::instance().file_name(0xDEADBEEF), String("debuglog-DEADBEEF.txt"));
}

TEST(DebugLog, WritesABomThenEachLineWithOneLineFeed) {
    SystemProfile::instance().user_hash = 0x1234ABCD;
    std::remove("debuglog-1234ABCD.txt");
    class TestLog : public TextLogFile {
        const char* file_name_pattern() const override { return "debuglog-{0:X8}.txt"; }
    };
    testing::internal::CaptureStdout();
    {
        TestLog log;
        log.write_line(String("first"));
        log.write_line(String("二行目"));
        log.write_line(String("third"));
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "first\n二行目\nthird\n");
    EXPECT_EQ(test::read_bytes("debuglog-1234ABCD.txt"), "\xEF\xBB\xBF"
                                                         "first\n二行目\nthird\n");
    std::remove("debuglog-1234ABCD.txt");
}

TEST(SystemProfile, UserHashRotatesAndMixesEveryUnit) {
    // Worked by hand (and with a calculator): h = rotl(h, 4) ^ u; the 9th rotation wraps bits around.
    EXPECT_EQ(user_hash_of(String("")), 0u);
    EXPECT_EQ(user_hash_of(String("A")), 0x41u);
    EXPECT_EQ(user_hash_of(String("AB")), 0x452u);
    EXPECT_EQ(user_hash_of(String("ABCDEFGHI")), 0x6701238Cu);
}
