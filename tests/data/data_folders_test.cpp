#include "lum/data/data_folders.hpp"

#include "lum/data/folders.hpp"
#include "lum/error/exception.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace lum;
using lum::test::TempFolder;

TEST(DataFolders, WorkingFolderThenTheInstalledShareFolderThenTheProgramsOwnFolder) {
    EXPECT_EQ(data_folders(String("/opt/games/bin/hello")),
              (std::vector<String>{working_folder(), String("/opt/games/share/hello/"),
                                   String("/opt/games/bin/")}));
    // A program in the root folder has no prefix above it.
    EXPECT_EQ(data_folders(String("/hello")), (std::vector<String>{working_folder(), String("/")}));
    // Started from its own folder, that folder is listed once, first.
    const String own = working_folder() + "game";
    const std::vector<String> folders = data_folders(own);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders.front(), working_folder());
}

TEST(DataFolders, TheFirstFolderHoldingTheFileWinsAndAMissEverywhereNamesEachPathTried) {
    TempFolder temp;
    const std::string root = temp.path().string();
    std::filesystem::create_directories(temp.path() / "share");
    std::filesystem::create_directories(temp.path() / "bin");
    temp.write("share/png", "share");
    temp.write("bin/png", "beside");
    const std::vector<String> folders{String(root + "/work/"), String(root + "/share/"),
                                      String(root + "/bin/")};
    EXPECT_EQ(find_data_file(String("png"), folders), String(root + "/share/png"));
    try {
        find_data_file(String("icon"), folders);
        FAIL() << "no folder holds the file";
    } catch (const FileOpenException& e) {
        EXPECT_EQ(e.message.to_utf8(), "cannot open 'icon': not found in '" + root + "/work/icon', '" + root +
                                           "/share/icon', '" + root + "/bin/icon'");
    }
}
