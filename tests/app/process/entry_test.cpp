#include "lum/app/process/entry.hpp"
#include "lum/app/process/message_box.hpp"
#include "lum/core/vector.hpp"
#include "lum/error/exception.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace lum;

namespace {

int no_errors() {
    return 0;
}
int one_error() {
    return 1;
}
void quiet_app() {}
void throwing_app() {
    throw FileOpenException();
}
void foreign_throwing_app() {
    throw 42;
}
bool app_ran = false;
void recording_app() {
    app_ran = true;
}

class Entry : public testing::Test {
  protected:
    void SetUp() override {
        setenv("LUM_MESSAGE_BOX", "ok", 1);
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }
};

} // namespace

TEST_F(Entry, OnlyTheExactOptionForcesTheOpenGlError) {
    EXPECT_EXIT(
        {
            process_entry("--force-opengl-error ", quiet_app, no_errors);
            std::exit(forced_opengl_error ? 3 : 4);
        },
        testing::ExitedWithCode(4), "");
    EXPECT_EXIT(
        {
            process_entry("--FORCE-OPENGL-ERROR", quiet_app, no_errors);
            std::exit(forced_opengl_error ? 3 : 4);
        },
        testing::ExitedWithCode(4), "");
    EXPECT_EXIT(
        {
            process_entry("-x --force-opengl-error", quiet_app, no_errors);
            std::exit(forced_opengl_error ? 3 : 4);
        },
        testing::ExitedWithCode(4), "");
    EXPECT_EXIT(
        {
            process_entry("--force-opengl-error", quiet_app, no_errors);
            std::exit(forced_opengl_error ? 3 : 4);
        },
        testing::ExitedWithCode(3), "");
}

TEST_F(Entry, CommandLineIsTheArgumentsJoinedByBlanks) {
    char a0[] = "bindwell", a1[] = "--force-opengl-error", a2[] = "x";
    char* one[] = {a0, a1};
    char* two[] = {a0, a1, a2};
    EXPECT_EQ(raw_command_line(2, one), "--force-opengl-error");
    EXPECT_EQ(raw_command_line(3, two), "--force-opengl-error x");
    EXPECT_EQ(raw_command_line(1, one), "");
}

TEST_F(Entry, AFailingSelfCheckShowsTheBoxAndExitsWithOne) {
    EXPECT_EXIT(std::exit(process_entry("", recording_app, one_error)), testing::ExitedWithCode(1),
                "^\\[error\\] LUM Build-Type Error: unit_test\n999 LUM TERMINATED\n$");
}

TEST_F(Entry, AQuietRunEndsWithOnlyTheFinalRecord) {
    EXPECT_EXIT(std::exit(process_entry("", quiet_app, no_errors)), testing::ExitedWithCode(0),
                "^999 LUM TERMINATED\n$");
}

TEST_F(Entry, ExceptionsFromTheApplicationAreRecordedAndEndWithZero) {
    testing::internal::CaptureStdout();
    EXPECT_EXIT(std::exit(process_entry("", throwing_app, no_errors)), testing::ExitedWithCode(0),
                "999 LUM TERMINATED\n$");
    testing::internal::GetCapturedStdout();
    // The records go to standard output: check them in this process.
    testing::internal::CaptureStdout();
    EXPECT_TRUE(run_application(throwing_app, no_errors));
    EXPECT_TRUE(run_application(foreign_throwing_app, no_errors));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "000 Exception Catched\nFileOpenException例外です。\n001 User Exception Catched\n");
}

TEST_F(Entry, WarningsAreSummedUpAtExit) {
    EXPECT_EXIT(
        {
            Vector<int> v;
            v.at(2);
            v.at(3);
            std::exit(process_entry("", quiet_app, no_errors));
        },
        testing::ExitedWithCode(0), "\\[lum.runtime.warning\\] 2 warnings.\n999 LUM TERMINATED\n$");
}

TEST_F(Entry, SelfChecksPassOnThisBuild) {
    app_ran = false;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(run_application(recording_app, run_self_checks));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(app_ran);
    size_t lines = 0;
    for (size_t p = out.find(" test passed (0 errors)\n"); p != std::string::npos;
         p = out.find(" test passed (0 errors)\n", p + 1))
        ++lines;
    EXPECT_EQ(lines, 6u) << out;
}
