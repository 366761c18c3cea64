#include "bindwell_fixture.hpp"

#include "lum/input/input.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace lum;
using namespace lum::test;

// A pad with two axes, six buttons and a hat (its buttons 6 to 9: up, right,
// down, left), configured twice; slot 1 holds an older record without a layout.
TEST_F(BindwellRun, ASaveWritesTheGamepadMappingsAndTheRowBelowTheTableNamesButtonsThatShareAnInput) {
    folder.write_save_file("joypad.yaml", "Devices: \n"
                                          "  Joypad1: \n"
                                          "    GUID: 050000004c050000cc09000000810000\n"
                                          "    Name: \"Old Pad\"\n"
                                          "Joypad1: \n  A: \n    - 3\n");
    backend.connect_joystick(0, "Pad, Hat", 2, 6, "0300000034120000cdab000001000000", 1);
    // LEFT to START: hat left, right, up, down; button 0 for A, B and NEXT;
    // hat up for UP, PREV and SELECT.
    configure_pad_1({9, 7, 6, 8, 0, 0, 2, 3, 6, 0, 6, 4});
    struct Seen {
        std::string shared;
        uint8_t colour;
        std::string joypads;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        const TextScreen& s = bindwell.screen();
        seen.push_back({row_text(s, 19), s.cell(0, 19).wanted.colour, folder.save_file("joypad.yaml")});
    };
    std::string mappings;
    when("CONFIG SAVED!", [&] {
        look();
        mappings = folder.save_file("gamecontrollerdb.txt");
        // The next write of the mappings cannot replace a folder.
        std::filesystem::remove(folder.file("Save/gamecontrollerdb.txt"));
        std::filesystem::create_directories(folder.file("Save/gamecontrollerdb.txt/in-the-way"));
        backend.tap_key(platform::VK_1);
    });
    // Again, each input once; SELECT and START skipped.
    const int again[] = {9, 7, 6, 8, 0, 1, 2, 3, 4, 5};
    for (size_t r = 0; r < std::size(again); ++r)
        when(prompt(Bindwell::rows[r].name), [&, r] {
            if (r == 0)
                look();
            tap_button(again[r]);
        });
    when(prompt("SELECT"), [&] { backend.tap_key(platform::VK_SPACE); });
    when(prompt("START"), [&] { backend.tap_key(platform::VK_SPACE); });
    when("CONFIG SAVED!", look);
    quit_on("CONFIG SAVED!");
    run();

    // Inputs: 0 to 3 the axes' halves, 4 to 9 buttons b0 to b5, 10 to 13 the
    // hat's up (h0.1), right (h0.2), down (h0.4) and left (h0.8).
    const std::string first_line =
        "0300000034120000cdab000001000000,Pad  Hat,dpleft:h0.8,dpright:h0.2,dpup:h0.1,"
        "dpdown:h0.4,a:b0,b:b0,x:b2,y:b3,leftshoulder:h0.1,rightshoulder:b0,"
        "back:h0.1,start:b4,platform:Linux,\n";
    ASSERT_EQ(seen.size(), 3u);
    // "SAME INPUT: A, B, NEXT; UP, PREV, SELECT" cut to 32 cells.
    EXPECT_EQ(seen[0].shared, "SAME INPUT: A, B, NEXT; UP, PREV");
    EXPECT_EQ(seen[0].colour, 57);
    const std::string comment =
        "# Gamepad mappings of the pads bound in Bindwell (SDL_GameControllerDB lines)\n";
    EXPECT_EQ(mappings, comment + first_line) << "no line for the record without a layout";
    const std::string records =
        "Devices: \n"
        "  Joypad0: \n    Axes: 2\n    Buttons: 6\n    GUID: 0300000034120000cdab000001000000\n"
        "    Hats: 1\n    Name: \"Pad, Hat\"\n"
        "  Joypad1: \n    GUID: 050000004c050000cc09000000810000\n    Name: \"Old Pad\"\n"
        "Joypad0: \n";
    EXPECT_EQ(seen[0].joypads.substr(0, records.size()), records);
    EXPECT_NE(out.find("Joypad1: the record has no layout"), std::string::npos) << out;
    // Cleared when the next configuration starts, blank after one without sharing.
    EXPECT_EQ(seen[1].shared, "");
    EXPECT_EQ(seen[2].shared, "");
    EXPECT_EQ(row_text(bindwell.screen(), 21), "         CONFIG SAVED!");
    // The mappings could not be written; the joypad file was all the same.
    EXPECT_NE(out.find("; the gamepad mappings were not saved\n"), std::string::npos) << out;
    EXPECT_NE(seen[2].joypads.find("  B: \n    - 5\n"), std::string::npos) << seen[2].joypads;
    EXPECT_EQ(seen[2].joypads.find("Select"), std::string::npos) << seen[2].joypads;
}
