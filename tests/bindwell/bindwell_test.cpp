#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

lum::RunResult run_bindwell(const std::vector<std::string>& args = {}) {
    std::vector<std::string> argv = {"env", "LUM_MESSAGE_BOX=ok", "ALSOFT_DRIVERS=null", LUM_BINDWELL_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return lum::run_process(argv);
}

} // namespace

TEST(Bindwell, StartsChecksItselfAndEndsWithTheFinalRecord) {
    lum::RunResult r = run_bindwell();
    EXPECT_EQ(r.exit_status, 0) << r.stderr_text;
    std::regex summary("^([0-9]+) of \\1 test passed \\(0 errors\\)$");
    int summaries = 0;
    size_t start = 0;
    while (start < r.stdout_text.size()) {
        size_t end = r.stdout_text.find('\n', start);
        std::string line = r.stdout_text.substr(start, end - start);
        if (std::regex_match(line, summary))
            ++summaries;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    EXPECT_EQ(summaries, 6) << r.stdout_text;
    ASSERT_GE(r.stderr_text.size(), 19u);
    EXPECT_EQ(r.stderr_text.substr(r.stderr_text.size() - 19), "999 LUM TERMINATED\n");
}

TEST(Bindwell, RecordsKeepTheirOrderOnOnePipe) {
    // Both streams into one pipe: the summaries must all come before the final record.
    lum::RunResult r = lum::run_process(
        {"sh", "-c", std::string("LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null '") + LUM_BINDWELL_PATH + "' 2>&1"});
    ASSERT_EQ(r.exit_status, 0);
    size_t last_summary = r.stdout_text.rfind("test passed");
    size_t final_record = r.stdout_text.find("999 LUM TERMINATED");
    ASSERT_NE(final_record, std::string::npos);
    EXPECT_LT(last_summary, final_record);
    EXPECT_EQ(r.stdout_text.substr(final_record), "999 LUM TERMINATED\n");
}
