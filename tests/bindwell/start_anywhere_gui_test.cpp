// The built program started as a user would start it: from a folder that holds
// nothing of it, installed under a prefix of its own, on a machine whose sound
// device cannot be opened. Each run ends with a window manager's close.

#include "support/live_process.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using lum::LiveProcess;
using lum::test::TempFolder;

namespace {

constexpr int LIMIT_MS = 30000;
constexpr const char* TITLE = "Halvane Bindwell";
constexpr const char* TABLE = "HIT ENTER TO CONFIG JOYPAD1";

// Runs a copy of the program, again while the display refuses it.
class ProgramRun {
  public:
    ProgramRun(const std::string& program, const std::filesystem::path& folder,
               const std::string& sound_drivers) {
        options_.argv = {program};
        options_.environment = {
            {"HOME", folder.string()}, {"LUM_MESSAGE_BOX", "ok"}, {"ALSOFT_DRIVERS", sound_drivers}};
        options_.working_folder = folder.string();
        for (int tries = 0; tries < lum::X_CONNECT_TRIES; ++tries) {
            process_ = std::make_unique<LiveProcess>(options_);
            if (!process_->wait_end(0) || !refused())
                break;
        }
    }
    LiveProcess& process() { return *process_; }

    // Waits for the table, then closes the window; the exit status, or -1.
    int reach_table_and_close() {
        if (!process_->wait_for_output(TABLE, LIMIT_MS) || !lum::close_window(TITLE) ||
            !process_->wait_end(LIMIT_MS))
            return -1;
        return process_->exit_status();
    }
    std::string said() const { return "stdout:\n" + process_->out() + "\nstderr:\n" + process_->err(); }

  private:
    bool refused() {
        process_->wait_end(LIMIT_MS);
        return lum::display_refused(process_->err() + process_->out());
    }

    LiveProcess::Options options_;
    std::unique_ptr<LiveProcess> process_;
};

std::string boot_picture() {
    return std::string(LUM_TEST_FIXTURES_DIR) + "/../../png";
}

// A copy of the program as PREFIX/bin/bindwell, with or without its picture
// under PREFIX/share/bindwell, and an empty folder to start it from.
struct Installed {
    explicit Installed(bool with_picture) {
        std::filesystem::create_directories(temp.path() / "prefix/bin");
        std::filesystem::create_directories(work());
        std::filesystem::copy_file(LUM_BINDWELL_PATH, program());
        if (with_picture) {
            std::filesystem::create_directories(temp.path() / "prefix/share/bindwell");
            std::filesystem::copy_file(boot_picture(), temp.path() / "prefix/share/bindwell/png");
        }
    }
    std::string program() const { return (temp.path() / "prefix/bin/bindwell").string(); }
    std::filesystem::path work() const { return temp.path() / "work"; }
    TempFolder temp;
};

} // namespace

TEST(StartAnywhere, TheBuiltProgramReachesItsTableFromAnEmptyFolderAndSavesThere) {
    TempFolder empty;
    ProgramRun run(LUM_BINDWELL_PATH, empty.path(), "null");
    EXPECT_EQ(run.reach_table_and_close(), 0) << run.said();
    // The picture came from beside the program; the bindings stay with the folder.
    EXPECT_FALSE(std::filesystem::exists(empty.path() / "png"));
    EXPECT_TRUE(std::filesystem::exists(empty.path() / "Save/keyboard.yaml"));
}

TEST(StartAnywhere, AnInstalledProgramReadsItsPictureFromItsPrefixsShareFolder) {
    Installed installed(true);
    ProgramRun run(installed.program(), installed.work(), "null");
    EXPECT_EQ(run.reach_table_and_close(), 0) << run.said();
    EXPECT_TRUE(std::filesystem::exists(installed.work() / "Save/keyboard.yaml"));
}

TEST(StartAnywhere, WithoutASoundDeviceItBootsOnTheSilentDeviceAndReachesItsTable) {
    TempFolder empty;
    ProgramRun run(LUM_BINDWELL_PATH, empty.path(), "nonexistent");
    EXPECT_EQ(run.reach_table_and_close(), 0) << run.said();
    EXPECT_EQ(run.process().err().find("Fault"), std::string::npos) << run.said();
}

TEST(StartAnywhere, WithThePictureNowhereItStopsOnTheFaultNamingEveryPlaceItLooked) {
    Installed installed(false);
    ProgramRun run(installed.program(), installed.work(), "null");
    ASSERT_TRUE(run.process().wait_end(LIMIT_MS)) << run.said();
    EXPECT_EQ(run.process().exit_status(), 1);
    const std::string prefix = installed.temp.path().string() + "/prefix";
    const std::string tried = "cannot open 'png': not found in '" + installed.work().string() + "/png', '" +
                              prefix + "/share/bindwell/png', '" + prefix + "/bin/png'";
    EXPECT_NE(run.process().err().find("Fault: Runtime Execption in lum::Booter::begin()"), std::string::npos)
        << run.said();
    EXPECT_NE(run.process().err().find(tried), std::string::npos) << run.said();
}
