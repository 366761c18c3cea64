// The built program's own options, answered without a display (this test
// program runs with none) and before anything of the engine starts.

#include "support/run_process.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using lum::run_process;
using lum::RunResult;

TEST(BindwellCommandLine, HelpTellsWhatItDoesItsKeysAndFilesAndExitsZero) {
    const RunResult r = run_process({LUM_BINDWELL_PATH, "--help"});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stderr_text, "");
    for (const char* part : {"usage: bindwell", "joypads", "Return or 1", "Escape", "Save/joypad.yaml",
                             "Save/keyboard.yaml", "home folder", "share/bindwell", "--version"})
        EXPECT_NE(r.stdout_text.find(part), std::string::npos) << part;
    // Nothing of the engine ran: no self-check, no exit record.
    EXPECT_EQ(r.stdout_text.find("test passed"), std::string::npos);
}

TEST(BindwellCommandLine, VersionIsTheProjectsVersionAndStartsNothing) {
    lum::test::TempFolder folder;
    const RunResult r = run_process(
        {"/bin/sh", "-c",
         "cd '" + folder.path().string() + "' && '" + std::string(LUM_BINDWELL_PATH) + "' --version"});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text, std::string("bindwell ") + LUM_PROJECT_VERSION + "\n");
    EXPECT_EQ(r.stderr_text, "");
    // No Save folder, no debug log.
    EXPECT_EQ(folder.listing(), "");
}

TEST(BindwellCommandLine, AnyOtherCommandLineIsIgnoredAsAlwaysAndNeedsTheDisplay) {
    // Not an option it knows: it starts as usual and, without a display, stops
    // there; "--help" with anything more is such a command line.
    const RunResult r = run_process({LUM_BINDWELL_PATH, "--help", "me"});
    EXPECT_NE(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text.find("usage: bindwell"), std::string::npos);
    EXPECT_NE(r.stderr_text.find("999 LUM TERMINATED"), std::string::npos) << r.stderr_text;
}
