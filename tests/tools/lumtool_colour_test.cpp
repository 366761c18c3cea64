#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

lum::RunResult colour(const std::vector<std::string>& components) {
    std::vector<std::string> argv = {LUM_LUMTOOL_PATH, "colour"};
    argv.insert(argv.end(), components.begin(), components.end());
    return lum::run_process(argv);
}

} // namespace

TEST(LumtoolColour, ShowsOrangeInEveryModelAndBack) {
    // Worked by hand: 128/255 = 0.50196; Y(YIQ, YUV) = 0.299 + 0.587 * 0.50196.
    lum::RunResult run = colour({"255", "128", "0"});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "RGB(255,128,000) -> RGB(255,128,000)\n"
                               "RGBA(255,128,000,255) -> RGB(255,128,000)\n"
                               "RGB(255,128,000) -> RGB(255,128,000)\n"
                               "CMY(0,50,100) -> RGB(255,128,000)\n"
                               "CMYK(0,50,100,0) -> RGB(255,128,000)\n"
                               "YIQ(0.594,0.458,-0.043) -> RGB(255,128,000)\n"
                               "YUV(0.594,-0.335,0.290) -> RGB(255,128,000)\n"
                               "YPbPr(0.572,-0.308,0.272) -> RGB(255,128,000)\n"
                               "YCbCr(0.593,-0.335,0.290) -> RGB(255,128,000)\n"
                               "HSV(8,100,100) -> RGB(255,128,000)\n"
                               "HSL(8,100,50) -> RGB(255,128,000)\n");
    EXPECT_EQ(run.stderr_text, "");
}

TEST(LumtoolColour, ShowsBlackWithFullBlackInk) {
    lum::RunResult run = colour({"0", "0", "0"});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "RGB(000,000,000) -> RGB(000,000,000)\n"
                               "RGBA(000,000,000,255) -> RGB(000,000,000)\n"
                               "RGB(000,000,000) -> RGB(000,000,000)\n"
                               "CMY(100,100,100) -> RGB(000,000,000)\n"
                               "CMYK(0,0,0,100) -> RGB(000,000,000)\n"
                               "YIQ(0.000,0.000,0.000) -> RGB(000,000,000)\n"
                               "YUV(0.000,0.000,0.000) -> RGB(000,000,000)\n"
                               "YPbPr(0.000,0.000,0.000) -> RGB(000,000,000)\n"
                               "YCbCr(0.000,0.000,0.000) -> RGB(000,000,000)\n"
                               "HSV(0,0,0) -> RGB(000,000,000)\n"
                               "HSL(0,0,0) -> RGB(000,000,000)\n");
}

TEST(LumtoolColour, RejectsBadComponentsWithUsageStatus) {
    const std::vector<std::vector<std::string>> bad = {
        {"256", "0", "0"}, {"0", "-1", "0"},     {"0", "0", "1.5"},
        {"red", "0", "0"}, {"0", "", "0"},       {"12x", "0", "0"},
        {"0", "0"},        {"0", "0", "0", "0"}, {}};
    for (const auto& args : bad) {
        lum::RunResult run = colour(args);
        std::string call = args.empty() ? "(none)" : args[0] + " ...";
        EXPECT_EQ(run.exit_status, 2) << call;
        EXPECT_EQ(run.stdout_text, "") << call;
        EXPECT_EQ(run.stderr_text.rfind("lumtool: ", 0), 0u) << call << ": " << run.stderr_text;
    }
    lum::RunResult run = colour({"0", "300", "0"});
    EXPECT_NE(run.stderr_text.find("'300'"), std::string::npos) << run.stderr_text;
}
