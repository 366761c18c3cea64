#include "support/run_process.hpp"
#include "support/samples.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using lum::run_process;
using lum::RunResult;
using lum::test::input_sample;
using lum::test::TempFolder;

namespace {

RunResult lumtool_bindings(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {LUM_LUMTOOL_PATH, "bindings"};
    argv.insert(argv.end(), args.begin(), args.end());
    return run_process(argv);
}

// The built-in keys, each button's keys in code order, worked out by hand.
const char* const DEFAULT_KEYS = "  Left: Left Num4\n"
                                 "  Right: Right Num6\n"
                                 "  Up: Up Num8\n"
                                 "  Down: Down Num2\n"
                                 "  A: Space z NumEnter\n"
                                 "  B: Escape x Num0\n"
                                 "  C: c\n"
                                 "  X: Return a Num7\n"
                                 "  Y: Tab s Num9\n"
                                 "  Z: d NumDiv\n"
                                 "  Ok: Space z NumEnter\n"
                                 "  Cancel: Escape x Num0\n"
                                 "  Change: Tab s Num9\n"
                                 "  Menu: Return a Num7\n"
                                 "  Start: Home Num1\n"
                                 "  Select: End Num3\n"
                                 "  Prev: PageUp NumSub\n"
                                 "  Next: PageDown NumAdd\n";

} // namespace

TEST(LumtoolBindings, PrintsWhatTheFilesBindAndWritesNothing) {
    TempFolder dir;
    std::filesystem::create_directory(dir.path() / "Save");
    dir.write("Save/keyboard.yaml", "Keyboard:\n  A: [Shift, z, z]\n  Left: [Lt]\n  Jump: [q]\n");
    // Joypad 5 is bound though no joypad is plugged in, and its pad recorded;
    // Joypad2 binds nothing.
    dir.write("Save/joypad.yaml", "Devices:\n  Joypad5: {GUID: 0300ab, Name: Pad Five}\n  Joypad2: {GUID: 1, Name: 2}\n" +
                                      input_sample("joypad0.yaml") +
                                      "Joypad5:\n  Start: [7, 0]\n  Ok: [7]\nJoypad2: {}\n");
    std::string before = dir.listing();

    RunResult run = lumtool_bindings({dir.path().string()});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stderr_text, "");
    std::string folder = dir.path().string() + "/";
    EXPECT_EQ(run.stdout_text,
              "keyboard: " + folder +
                  "Save/keyboard.yaml\n"
                  "  Left: Left\n  Right:\n  Up:\n  Down:\n  A: z R_Shift\n  B:\n  C:\n  X:\n  Y:\n"
                  "  Z:\n  Ok:\n  Cancel:\n  Change:\n  Menu:\n  Start:\n  Select:\n  Prev:\n  Next:\n"
                  "joypad: " +
                  folder +
                  "Save/joypad.yaml\n"
                  "Joypad0\n"
                  "  Left: 12\n  Right: 13\n  Up: 14\n  Down: 15\n  A: 2\n  B: 1\n  C:\n  X: 3\n"
                  "  Y: 0\n  Z:\n  Ok:\n  Cancel:\n  Change:\n  Menu:\n  Start: 9\n  Select: 8\n"
                  "  Prev: 4\n  Next: 5\n"
                  "Joypad5\n"
                  "  Name: Pad Five\n  GUID: 0300ab\n"
                  "  Left:\n  Right:\n  Up:\n  Down:\n  A:\n  B:\n  C:\n  X:\n  Y:\n  Z:\n  Ok: 7\n"
                  "  Cancel:\n  Change:\n  Menu:\n  Start: 0 7\n  Select:\n  Prev:\n  Next:\n");
    EXPECT_EQ(dir.listing(), before);

    // Without the files: the built-in keys, no joypad, and still nothing written.
    TempFolder empty;
    run = lumtool_bindings({empty.path().string() + "/"});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    folder = empty.path().string() + "/";
    EXPECT_EQ(run.stdout_text, "keyboard: " + folder + "Save/keyboard.yaml (missing: the built-in keys)\n" +
                                   DEFAULT_KEYS + "joypad: " + folder +
                                   "Save/joypad.yaml (missing: no joypad is bound)\n");
    EXPECT_EQ(empty.listing(), "");
}

TEST(LumtoolBindings, FailuresSayWhatAndWhere) {
    TempFolder dir;
    std::filesystem::create_directory(dir.path() / "Save");
    dir.write("Save/joypad.yaml", input_sample("malformed/joypad_unclosed.yaml"));
    std::filesystem::create_directory(dir.path() / "Save" / "keyboard.yaml");
    std::string folder = dir.path().string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{folder}, 1, "lumtool: cannot open '" + folder + "/Save/keyboard.yaml': Is a directory\n"},
        {{folder + "/none"}, 1, "lumtool: cannot open '" + folder + "/none': No such file or directory\n"},
        {{folder + "/Save/joypad.yaml"},
         1,
         "lumtool: cannot open '" + folder + "/Save/joypad.yaml': Not a directory\n"},
        {{"a", "b"}, 2, "lumtool: more than one DIR given (usage: lumtool bindings [--sdl] [DIR])\n"},
        {{"--all"}, 2, "lumtool: unknown option '--all' (usage: lumtool bindings [--sdl] [DIR])\n"},
    };
    for (const Case& c : cases) {
        RunResult run = lumtool_bindings(c.args);
        EXPECT_EQ(run.exit_status, c.status) << c.args[0];
        EXPECT_EQ(run.stdout_text, "") << c.args[0];
        EXPECT_EQ(run.stderr_text.rfind(c.message, 0), 0u) << run.stderr_text;
        EXPECT_EQ(std::count(run.stderr_text.begin(), run.stderr_text.end(), '\n'), 1) << run.stderr_text;
    }

    std::filesystem::remove(dir.path() / "Save" / "keyboard.yaml");
    RunResult run = lumtool_bindings({folder});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stdout_text, "");
    EXPECT_EQ(run.stderr_text.rfind("lumtool: cannot parse '" + folder + "/Save/joypad.yaml': ", 0), 0u)
        << run.stderr_text;
    EXPECT_EQ(dir.listing(), "Save");
}

TEST(LumtoolBindings, SdlPrintsTheMappingLineOfEachBoundPadWithALayoutAndSaysWhyOthersHaveNone) {
    TempFolder dir;
    std::filesystem::create_directory(dir.path() / "Save");
    // Slot 0: one axis (inputs 0, 1), four buttons (2 to 5), a hat (6 to 9);
    // slot 1 an older record without a layout; slot 2 a layout out of range;
    // slot 3 two axes and two buttons; slot 4 a layout and nothing bound.
    dir.write(
        "Save/joypad.yaml",
        "Devices:\n"
        "  Joypad0: {Axes: 1, Buttons: 4, GUID: 0300000034120000cdab000001000000, Hats: 1, Name: 'Pad,One'}\n"
        "  Joypad1: {GUID: 050000004c050000cc09000000810000, Name: Old}\n"
        "  Joypad2: {Axes: 0, Buttons: 65, GUID: 030000005e0400008e02000014010000, Hats: 0, Name: Big}\n"
        "  Joypad3: {Axes: 2, Buttons: 2, GUID: 030000005e0400008e02000014010000, Hats: 0, Name: Two}\n"
        "  Joypad4: {Axes: 2, Buttons: 2, GUID: 030000005e0400008e02000014010000, Hats: 0, Name: Idle}\n"
        "Joypad0:\n  Left: [9]\n  A: [5, 2]\n  Start: [1]\n  C: [3]\n"
        "Joypad1:\n  A: [2]\n"
        "Joypad2:\n  A: [2]\n"
        "Joypad3:\n  B: [4]\n  Y: [0]\n");
    std::string before = dir.listing();

    RunResult run = lumtool_bindings({"--sdl", dir.path().string()});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text,
              "0300000034120000cdab000001000000,Pad One,dpleft:h0.8,a:b0,start:+a0,platform:Linux,\n"
              "030000005e0400008e02000014010000,Two,b:b0,y:-a0,platform:Linux,\n");
    const std::string file = dir.path().string() + "/Save/joypad.yaml: ";
    EXPECT_EQ(std::count(run.stderr_text.begin(), run.stderr_text.end(), '\n'), 2) << run.stderr_text;
    EXPECT_NE(run.stderr_text.find("lumtool: " + file + "Joypad1: the record has no layout"),
              std::string::npos)
        << run.stderr_text;
    EXPECT_NE(run.stderr_text.find("lumtool: " + file + "Joypad2: the layout is not"), std::string::npos)
        << run.stderr_text;
    EXPECT_EQ(dir.listing(), before);
}
