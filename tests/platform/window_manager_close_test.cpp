#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The tool's failures; sending itself is proved by the backend contract.
TEST(WmClose, SaysWhyNothingWasSentAndExitsWithItsStatus) {
    struct Case {
        std::vector<std::string> argv;
        int status;
        std::string said;
    };
    const Case cases[] = {
        {{"env", "-u", "DISPLAY", LUM_WM_CLOSE_PATH}, 2, "usage: lum_wm_close TITLE\n"},
        {{"env", "-u", "DISPLAY", LUM_WM_CLOSE_PATH, "a", "b"}, 2, "usage: lum_wm_close TITLE\n"},
        {{"env", "-u", "DISPLAY", LUM_WM_CLOSE_PATH, "Halvane Bindwell"},
         1,
         "lum_wm_close: no window titled 'Halvane Bindwell' on display ''\n"},
        {{"env", "DISPLAY=:4242", LUM_WM_CLOSE_PATH, "Halvane Bindwell"},
         1,
         "lum_wm_close: no window titled 'Halvane Bindwell' on display ':4242'\n"},
    };
    for (const Case& c : cases) {
        lum::RunResult r = lum::run_process(c.argv);
        EXPECT_EQ(r.exit_status, c.status) << c.argv.back();
        EXPECT_EQ(r.stderr_text, c.said);
    }
}
