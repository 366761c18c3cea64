// Pads that come and go while Bindwell runs, and pads known by their identity.

#include "bindwell_fixture.hpp"

#include "lum/input/input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lum;
using namespace lum::test;

namespace {

// The design's example: the buttons pressed at the twelve prompts, LEFT to START.
const std::vector<int> EXAMPLE_BUTTONS = {12, 13, 14, 15, 2, 1, 3, 0, 4, 5, 8, 9};
const char* const GUID_A = "030000005e0400008e02000014010000";
const char* const GUID_B = "050000004c050000cc09000000810000";

constexpr int HEADER_ROW = 5;
constexpr int NAME_ROW = 22;
constexpr uint8_t LIT = 79;
constexpr uint8_t DARK = 31;
constexpr uint8_t HELD = 56;

uint8_t colour_at(const TextScreen& screen, int x, int y) {
    return screen.cell(x, y).wanted.colour;
}

// The PAD header colour of pad p (0 for PAD1).
uint8_t header(const TextScreen& screen, int p) {
    return colour_at(screen, 10 + 5 * p, HEADER_ROW);
}

} // namespace

TEST_F(BindwellRun, APadPluggedAfterStartIsConfiguredLeavesWithItsBindingsShownAndComesBackToItsSlot) {
    struct Seen {
        uint8_t pad1_header;
        std::string count;
        std::string column_row_0;
        std::string name_row;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        const TextScreen& s = bindwell.screen();
        seen.push_back({header(s, 0), row_text(s, 20), cells_text(s, 10, 7, 5), row_text(s, NAME_ROW)});
    };
    when(IDLE, look, KEYS_READY);
    when(IDLE, [&] { backend.connect_joystick(0, "Pad A", 0, 16, GUID_A); });
    when(IDLE, look, 2);
    configure_pad_1(EXAMPLE_BUTTONS, [&](int r) {
        if (r == 0)
            look();
    });
    when("CONFIG SAVED!", look);
    when("CONFIG SAVED!", [&] { backend.disconnect_joystick(0); });
    when("CONFIG SAVED!", look, 2);
    // Configuring the pad that left waits for it, and goes on when it is back.
    when("CONFIG SAVED!", [&] { backend.tap_key(platform::VK_RETURN); });
    when(prompt("LEFT"), look, 5);
    when(prompt("LEFT"), [&] { backend.connect_joystick(5, "Pad A", 0, 16, GUID_A); });
    when(
        prompt("LEFT"), [&] { tap_button(6, 5); }, 3);
    when(prompt("RIGHT"), [&] { backend.tap_key(platform::VK_ESCAPE); });
    when("ABORT", look);
    quit_on("ABORT");
    run();

    // The count from column 8; the name at (31 - 5) / 2 = 13.
    const std::string none = "        0 JOYPAD FOUND", one = "        1 JOYPAD FOUND";
    const std::string name = "             Pad A";
    ASSERT_EQ(seen.size(), 7u);
    // Before the pad, with it, while configuring (its name on row 22), saved.
    EXPECT_EQ(seen[0].pad1_header, DARK);
    EXPECT_EQ(seen[0].count, none);
    EXPECT_EQ(seen[1].pad1_header, LIT);
    EXPECT_EQ(seen[1].count, one);
    EXPECT_EQ(seen[2].name_row, name);
    EXPECT_EQ(seen[3].name_row, "");
    EXPECT_EQ(seen[3].column_row_0, " 13  ");
    // Unplugged: dark, not counted, its bindings still on screen; configured,
    // it is waited for under its name.
    EXPECT_EQ(seen[4].pad1_header, DARK);
    EXPECT_EQ(seen[4].count, none);
    EXPECT_EQ(seen[4].column_row_0, " 13  ");
    EXPECT_EQ(seen[5].pad1_header, DARK);
    EXPECT_EQ(seen[5].name_row, name);
    // Back, on another joystick number, in its slot; the wait went on.
    EXPECT_EQ(seen[6].pad1_header, LIT);
    EXPECT_EQ(seen[6].count, one);
    EXPECT_EQ(seen[6].name_row, "");
    EXPECT_EQ(cells_text(bindwell.screen(), 10, 7, 5), "  7  ");
    EXPECT_EQ(input().joypads[0].glfw_id, 5);
    EXPECT_EQ(input().joypad_count, 1);
    // The saved document: the pad's record, then the design's listing byte for byte.
    EXPECT_EQ(folder.save_file("joypad.yaml"), "Devices: \n"
                                               "  Joypad0: \n"
                                               "    Axes: 0\n"
                                               "    Buttons: 16\n"
                                               "    GUID: 030000005e0400008e02000014010000\n"
                                               "    Hats: 0\n"
                                               "    Name: \"Pad A\"\n" +
                                                   input_sample("joypad0.yaml"));
}

TEST_F(BindwellRun, PadsListedTheOtherWayRoundKeepTheSlotsTheDocumentRecordsForThem) {
    folder.write_save_file("joypad.yaml", "Devices: \n"
                                          "  Joypad0: \n"
                                          "    GUID: 030000005e0400008e02000014010000\n"
                                          "    Name: \"Pad A\"\n"
                                          "  Joypad1: \n"
                                          "    GUID: 050000004c050000cc09000000810000\n"
                                          "    Name: \"Pad B\"\n"
                                          "Joypad0: \n  A: \n    - 2\n"
                                          "Joypad1: \n  B: \n    - 7\n");
    backend.connect_joystick(0, "Pad B", 0, 16, GUID_B);
    backend.connect_joystick(1, "Pad A", 0, 16, GUID_A);
    backend.set_joystick_button(1, 2, true);
    std::vector<uint8_t> colours;
    when(
        IDLE,
        [&] {
            const TextScreen& s = bindwell.screen();
            // Row A of PAD1 held, row B of PAD2 shown and not held.
            colours = {header(s, 0), header(s, 1), colour_at(s, 10, 11), colour_at(s, 15, 12)};
        },
        KEYS_READY);
    quit_on(IDLE);
    run();

    EXPECT_EQ(colours, (std::vector<uint8_t>{LIT, LIT, HELD, 63}));
    EXPECT_EQ(cells_text(bindwell.screen(), 15, 12, 5), "  8  ");
    EXPECT_EQ(input().joypads[0].glfw_id, 1);
    EXPECT_EQ(input().joypads[1].glfw_id, 0);
}
