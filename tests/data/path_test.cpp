#include "lum/data/folders.hpp"
#include "lum/data/path.hpp"
#include "lum/error/exception.hpp"

#include <gtest/gtest.h>

using lum::Path;
using lum::String;

namespace {

// The parts of a path as one text: "A|directory|name|extension" (R when relative).
std::string parts(const Path& p) {
    return std::string(p.absolute() ? "A" : "R") + "|" + p.directory().to_utf8() + "|" + p.name().to_utf8() +
           "|" + p.extension().to_utf8();
}

// Sets the working folder for one test and puts the old one back afterwards.
class WorkingFolder {
  public:
    explicit WorkingFolder(const char* folder)
        : working_(lum::working_folder()), desktop_(lum::desktop_folder()), fonts_(lum::fonts_folder()) {
        lum::set_special_folders(String(folder), desktop_, fonts_);
    }
    ~WorkingFolder() { lum::set_special_folders(working_, desktop_, fonts_); }

  private:
    String working_, desktop_, fonts_;
};

} // namespace

TEST(Path, SplitsARelativePathAndResolvesItAgainstTheWorkingFolder) {
    WorkingFolder wd("/home/player/game");
    Path p("Save/joypad.yaml");
    EXPECT_EQ(parts(p), "R|Save/|joypad|yaml");
    EXPECT_EQ(p.filename(), String("joypad.yaml"));
    EXPECT_EQ(p.to_string(), String("/home/player/game/Save/joypad.yaml"));
    // A relative name with no directory sits directly in the working folder.
    EXPECT_EQ(Path("noext").to_string(), String("/home/player/game/noext"));
}

TEST(Path, SpacesBackslashesAndDoubledSlashesParseLikeThePlainForm) {
    for (const char* text :
         {"  Save\\joypad.yaml ", "Save//joypad.yaml", "Save\\\\//\\joypad.yaml", "\tSave/joypad.yaml\n"})
        EXPECT_EQ(parts(Path(text)), "R|Save/|joypad|yaml") << text;
    // A leading pair of backslashes is one root slash.
    EXPECT_EQ(parts(Path("\\\\server\\share\\x.dat")), "A|/server/share/|x|dat");
}

TEST(Path, AbsolutePathsAreGivenToTheSystemAsTheyStand) {
    WorkingFolder wd("/ignored");
    Path drive("C:/x/y.png");
    EXPECT_EQ(parts(drive), "A|C:/x/|y|png");
    EXPECT_EQ(drive.to_string(), String("C:/x/y.png"));
    EXPECT_EQ(parts(Path("d:\\games\\a.bin")), "A|d:/games/|a|bin");
    // Only a letter makes a drive.
    EXPECT_EQ(parts(Path("1:/a")), "R|1:/|a|");

    Path root("/a/b.c");
    EXPECT_EQ(parts(root), "A|/a/|b|c");
    EXPECT_EQ(root.to_string(), String("/a/b.c"));

    Path slash("/");
    EXPECT_EQ(parts(slash), "A|/||");
    EXPECT_EQ(slash.to_string(), String("/"));
}

TEST(Path, ParentStepsCancelOneLevelAndNeverClimbAboveTheRoot) {
    EXPECT_THROW(Path("/../x"), lum::PathParseException);
    EXPECT_THROW(Path("  \\..\\x"), lum::PathParseException);
    // Climbing above the root after other steps, or above a drive, is refused too.
    EXPECT_THROW(Path("/a/../../x"), lum::PathParseException);
    EXPECT_THROW(Path("/a/../.."), lum::PathParseException);
    EXPECT_THROW(Path("C:/../x"), lum::PathParseException);
    EXPECT_EQ(parts(Path("C:/a/../b")), "A|C:/|b|");
    EXPECT_EQ(parts(Path("a/b/../../c")), "R|a/../|c|");
    EXPECT_EQ(parts(Path("a/../b.txt")), "R||b|txt");
    EXPECT_EQ(parts(Path("../x")), "R|../|x|");
    // A final ".." is the file name, not a step.
    EXPECT_EQ(parts(Path("a/..")), "R|a/|..|");
    EXPECT_EQ(parts(Path("/a/../b")), "A|/|b|");
}

TEST(Path, NameAndExtensionSplitAtTheLastDotOfTheLastElement) {
    EXPECT_EQ(parts(Path("noext")), "R||noext|");
    EXPECT_EQ(Path("noext").filename(), String("noext"));
    EXPECT_EQ(parts(Path("archive.tar.gz")), "R||archive.tar|gz");
    EXPECT_EQ(parts(Path(".hidden.txt")), "R||.hidden.txt|");
    EXPECT_EQ(parts(Path("dir.d/file")), "R|dir.d/|file|");
    // A trailing slash leaves no empty file name: the folder's name is the file.
    EXPECT_EQ(parts(Path("Save/")), "R||Save|");
    // A final dot stays part of the name, so the system gets the same name back.
    Path dotted("x/readme.");
    EXPECT_EQ(parts(dotted), "R|x/|readme.|");
    EXPECT_EQ(dotted.filename(), String("readme."));
}

TEST(Path, EmptyTextGivesAnEmptyRelativePath) {
    WorkingFolder wd("/w");
    for (const char* text : {"", "   ", "\t\r\n"}) {
        Path p(text);
        EXPECT_EQ(parts(p), "R|||") << '"' << text << '"';
        EXPECT_EQ(p.to_string(), String("/w/"));
    }
    EXPECT_EQ(parts(Path()), "R|||");
}

TEST(Path, KeepsTextBeyondAscii) {
    WorkingFolder wd("/w/");
    Path p("セーブ/データ.yaml");
    EXPECT_EQ(parts(p), "R|セーブ/|データ|yaml");
    EXPECT_EQ(p.to_string().to_utf8(), "/w/セーブ/データ.yaml");
}

TEST(Path, SpecialFoldersEndWithASlash) {
    WorkingFolder wd("/w");
    EXPECT_EQ(lum::working_folder(), String("/w/"));
    lum::set_special_folders(String("/w/"), String("/home/u/Desktop"), String("/usr/share/fonts/"));
    EXPECT_EQ(lum::working_folder(), String("/w/"));
    EXPECT_EQ(lum::desktop_folder(), String("/home/u/Desktop/"));
    EXPECT_EQ(lum::fonts_folder(), String("/usr/share/fonts/"));
}
