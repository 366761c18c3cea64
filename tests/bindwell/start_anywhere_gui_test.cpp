// The built program started as a user would start it: from a folder that holds
// nothing of it, installed under a prefix of its own, on a machine whose sound
// device cannot be opened. Each run ends with a window manager's close.

#include "support/program_driver.hpp"
#include "support/samples.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using lum::test::BootPicture;
using lum::test::boot_picture_path;
using lum::test::ProgramDriver;
using lum::test::TempFolder;

namespace {

constexpr const char* TITLE = "Halvane Bindwell";
constexpr const char* TABLE = "HIT ENTER TO CONFIG JOYPAD1";

// The program started from a working folder that holds nothing of it.
class Started : public ProgramDriver {
  public:
    explicit Started(const std::string& program, const std::string& sound_drivers = "null")
        : ProgramDriver(program, TITLE, BootPicture::ELSEWHERE) {
        set_environment("ALSOFT_DRIVERS", sound_drivers);
        start();
    }
    // Waits for the table, then closes the window; the exit status, or -1.
    int reach_table_and_close() {
        if (!wait_window() || !shows(TABLE) || !close_window())
            return -1;
        return end();
    }
    std::filesystem::path work() const { return folder().path(); }
};

// A copy of the program as PREFIX/bin/bindwell, with or without its picture
// under PREFIX/share/bindwell.
struct Installed {
    explicit Installed(bool with_picture) {
        std::filesystem::create_directories(temp.path() / "prefix/bin");
        std::filesystem::copy_file(LUM_BINDWELL_PATH, program());
        if (with_picture) {
            std::filesystem::create_directories(temp.path() / "prefix/share/bindwell");
            std::filesystem::copy_file(boot_picture_path(), temp.path() / "prefix/share/bindwell/png");
        }
    }
    std::string program() const { return (temp.path() / "prefix/bin/bindwell").string(); }
    TempFolder temp;
};

} // namespace

TEST(StartAnywhere, TheBuiltProgramReachesItsTableFromAnEmptyFolderAndSavesThere) {
    Started run(LUM_BINDWELL_PATH);
    EXPECT_EQ(run.reach_table_and_close(), 0) << run.diagnose();
    // The picture came from beside the program; the bindings stay with the folder.
    EXPECT_FALSE(run.exists("png"));
    EXPECT_TRUE(run.exists("Save/keyboard.yaml"));
}

TEST(StartAnywhere, AnInstalledProgramReadsItsPictureFromItsPrefixsShareFolder) {
    Installed installed(true);
    Started run(installed.program());
    EXPECT_EQ(run.reach_table_and_close(), 0) << run.diagnose();
    EXPECT_TRUE(run.exists("Save/keyboard.yaml"));
}

TEST(StartAnywhere, WithoutASoundDeviceItBootsOnTheSilentDeviceAndReachesItsTable) {
    Started run(LUM_BINDWELL_PATH, "nonexistent");
    EXPECT_EQ(run.reach_table_and_close(), 0) << run.diagnose();
    EXPECT_EQ(run.process().err().find("Fault"), std::string::npos) << run.diagnose();
}

TEST(StartAnywhere, WithThePictureNowhereItStopsOnTheFaultNamingEveryPlaceItLooked) {
    Installed installed(false);
    Started run(installed.program());
    EXPECT_EQ(run.end(), 1) << run.diagnose();
    const std::string prefix = installed.temp.path().string() + "/prefix";
    const std::string tried = "cannot open 'png': not found in '" + run.work().string() + "/png', '" + prefix +
                              "/share/bindwell/png', '" + prefix + "/bin/png'";
    EXPECT_NE(run.process().err().find("Fault: Runtime Execption in lum::Booter::begin()"), std::string::npos)
        << run.diagnose();
    EXPECT_NE(run.process().err().find(tried), std::string::npos) << run.diagnose();
}
