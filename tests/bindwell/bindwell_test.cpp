#include "bindwell_fixture.hpp"

#include "lum/input/input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lum;
using namespace lum::test;

namespace {

// The design's example: the buttons of a pad without axes pressed at the
// twelve prompts, LEFT to START.
const std::vector<int> EXAMPLE_BUTTONS = {12, 13, 14, 15, 2, 1, 3, 0, 4, 5, 8, 9};

// The pad the tests configure, and the record of it that a save writes first.
const char* const PAD_A_GUID = "030000005e0400008e02000014010000";
const std::string PAD_A_DEVICES = "Devices: \n"
                                  "  Joypad0: \n"
                                  "    Axes: 0\n"
                                  "    Buttons: 16\n"
                                  "    GUID: 030000005e0400008e02000014010000\n"
                                  "    Hats: 0\n"
                                  "    Name: \"Pad A\"\n";

// Column of joypad 1 as the table shows it, rows LEFT to START: inputs
// counted from 1.
std::vector<std::string> pad_1_column(const TextScreen& screen) {
    std::vector<std::string> column;
    for (int32_t row = 7; row < 19; ++row)
        column.push_back(cells_text(screen, 10, row, 5));
    return column;
}

// The example's masks by physical input, worked out from the row table.
const std::vector<uint32_t> EXAMPLE_MASKS = {1u << BUTTON_Y,
                                             1u << BUTTON_B,
                                             1u << BUTTON_A,
                                             1u << BUTTON_X,
                                             1u << BUTTON_PREV,
                                             1u << BUTTON_NEXT,
                                             0,
                                             0,
                                             1u << BUTTON_SELECT,
                                             1u << BUTTON_START,
                                             0,
                                             0,
                                             1u << BUTTON_LEFT,
                                             1u << BUTTON_RIGHT,
                                             1u << BUTTON_UP,
                                             1u << BUTTON_DOWN,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0};

std::vector<uint32_t> pad_masks(int pad) {
    std::vector<uint32_t> masks;
    for (const InputBinding& b : input().joypads[pad].bindings)
        masks.push_back(b.bits);
    return masks;
}

} // namespace

TEST_F(BindwellRun, AConfigurationShowsTheNewNumbersBindsThemAndSavesTheDocument) {
    backend.connect_joystick(0, "Pad A", 0, 16, PAD_A_GUID);
    std::vector<std::string> hint_while_configuring;
    configure_pad_1(EXAMPLE_BUTTONS, [&](int r) {
        if (r == 5)
            hint_while_configuring.push_back(row_text(bindwell.screen(), 27));
    });
    quit_on("CONFIG SAVED!");
    run();

    EXPECT_EQ(pad_1_column(bindwell.screen()),
              (std::vector<std::string>{" 13  ", " 14  ", " 15  ", " 16  ", "  3  ", "  2  ", "  4  ",
                                        "  1  ", "  5  ", "  6  ", "  9  ", " 10  "}));
    EXPECT_EQ(row_text(bindwell.screen(), 21), "         CONFIG SAVED!");
    EXPECT_EQ(folder.save_file("joypad.yaml"), PAD_A_DEVICES + input_sample("joypad0.yaml"));
    EXPECT_EQ(pad_masks(0), EXAMPLE_MASKS);
    EXPECT_EQ(input().joypads[0].bindings[7].player, 0);
    EXPECT_EQ(hint_while_configuring, std::vector<std::string>{"    SPACE: SKIP, BKSP: BACK"});
    EXPECT_EQ(row_text(bindwell.screen(), 27), "");
    EXPECT_NE(out.find("CONFIG JOYPAD1 - START\n[SAVE] PHYS[12] -> LOGI[1]\n"), std::string::npos) << out;
    EXPECT_NE(out.find("CONFIG SAVED!\n"), std::string::npos) << out;
}

TEST_F(BindwellRun, EscapeAtTheFifthPromptKeepsTheFileAndTheBindingsWhileTheTableShowsTheNewRows) {
    folder.write_save_file("joypad.yaml", input_sample("joypad0.yaml"));
    backend.connect_joystick(0, "Pad A", 0, 16, PAD_A_GUID);
    configure_pad_1({0, 1, 6, 7});
    when(prompt("A"), [this] { backend.tap_key(platform::VK_ESCAPE); });
    quit_on("ABORT");
    run();

    EXPECT_EQ(pad_1_column(bindwell.screen()),
              (std::vector<std::string>{"  1  ", "  2  ", "  7  ", "  8  ", "  3  ", "  2  ", "  4  ",
                                        "  1  ", "  5  ", "  6  ", "  9  ", " 10  "}));
    EXPECT_EQ(row_text(bindwell.screen(), 21), "             ABORT");
    EXPECT_EQ(row_text(bindwell.screen(), 27), "");
    EXPECT_EQ(folder.save_file("joypad.yaml"), input_sample("joypad0.yaml"));
    EXPECT_EQ(pad_masks(0), EXAMPLE_MASKS);
    EXPECT_NE(out.find("CONFIG JOYPAD1 - A\nABORT\n"), std::string::npos) << out;
}

TEST_F(BindwellRun, SpaceSkipsAPromptAndBackspaceGoesBackButNotBeforeTheFirst) {
    folder.write_save_file("joypad.yaml", input_sample("joypad0.yaml"));
    backend.connect_joystick(0, "Pad A", 0, 16, PAD_A_GUID);
    std::vector<std::string> hints;
    auto hint = [&] {
        hints.push_back(row_text(bindwell.screen(), 27));
        hints.push_back(std::to_string(bindwell.screen().cell(4, 27).wanted.colour));
    };
    when(
        IDLE, [this] { backend.tap_key(platform::VK_RETURN); }, KEYS_READY);
    when(prompt("LEFT"), [this] { backend.tap_key(platform::VK_BACK); });
    // The same prompt again: a press in the frame that ends a wait is not seen.
    when(
        prompt("LEFT"), [this] { tap_button(6); }, 3);
    when(prompt("RIGHT"), [this] { backend.tap_key(platform::VK_SPACE); });
    when(prompt("UP"), [this] { backend.tap_key(platform::VK_BACK); });
    when(prompt("RIGHT"), [&] {
        hint();
        tap_button(7);
    });
    when(prompt("UP"), [this] { backend.tap_key(platform::VK_SPACE); });
    for (size_t r = 3; r < Bindwell::rows.size(); ++r)
        when(prompt(Bindwell::rows[r].name), [this, b = EXAMPLE_BUTTONS[r]] { tap_button(b); });
    quit_on("CONFIG SAVED!");
    run();

    EXPECT_EQ(hints, (std::vector<std::string>{"    SPACE: SKIP, BKSP: BACK", "63"}));
    EXPECT_EQ(row_text(bindwell.screen(), 27), "");
    EXPECT_EQ(pad_1_column(bindwell.screen()),
              (std::vector<std::string>{"  7  ", "  8  ", "  -  ", " 16  ", "  3  ", "  2  ", "  4  ",
                                        "  1  ", "  5  ", "  6  ", "  9  ", " 10  "}));
    EXPECT_EQ(bindwell.screen().cell(12, 9).wanted.colour, 31);
    EXPECT_EQ(folder.save_file("joypad.yaml"), PAD_A_DEVICES + "Joypad0: \n"
                                               "  A: \n    - 2\n"
                                               "  B: \n    - 1\n"
                                               "  Down: \n    - 15\n"
                                               "  Left: \n    - 6\n"
                                               "  Next: \n    - 5\n"
                                               "  Prev: \n    - 4\n"
                                               "  Right: \n    - 7\n"
                                               "  Select: \n    - 8\n"
                                               "  Start: \n    - 9\n"
                                               "  X: \n    - 3\n"
                                               "  Y: \n    - 0\n");
}

TEST_F(BindwellRun, AnInputHeldWhenAPromptShowsCountsOnlyAfterItsReleaseAndANewPress) {
    backend.connect_joystick(0, "Pad A", 0, 16, PAD_A_GUID);
    backend.set_joystick_button(0, 7, true);
    when(
        IDLE, [this] { backend.tap_key(platform::VK_RETURN); }, KEYS_READY);
    when(
        prompt("LEFT"), [this] { backend.set_joystick_button(0, 7, false); }, 10);
    when(
        prompt("LEFT"), [this] { backend.set_joystick_button(0, 7, true); }, 10);
    // Still held at the next prompt: only its release and a new press count.
    when(
        prompt("RIGHT"), [this] { backend.set_joystick_button(0, 7, false); }, 10);
    when(
        prompt("RIGHT"), [this] { tap_button(7); }, 10);
    when(prompt("UP"), [this] { backend.tap_key(platform::VK_ESCAPE); });
    quit_on("ABORT");
    run();

    EXPECT_EQ(cells_text(bindwell.screen(), 10, 7, 5), "  8  ");
    EXPECT_EQ(cells_text(bindwell.screen(), 10, 8, 5), "  8  ");
    EXPECT_EQ(cells_text(bindwell.screen(), 10, 9, 5), "  -  ");
}

TEST_F(BindwellRun, AFailedSaveSaysSoAndKeepsTheNewBindingsInEffect) {
    folder.write("Save", "not a folder\n");
    backend.connect_joystick(0, "Pad A", 0, 16, PAD_A_GUID);
    configure_pad_1(EXAMPLE_BUTTONS);
    quit_on("SAVE FAILED!");
    run();

    EXPECT_EQ(row_text(bindwell.screen(), 21), "         SAVE FAILED!");
    EXPECT_EQ(pad_masks(0), EXAMPLE_MASKS);
    EXPECT_EQ(read_bytes(folder.file("Save")), "not a folder\n");
    EXPECT_NE(out.find("\nSAVE FAILED!\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("CONFIG SAVED!"), std::string::npos) << out;
}

namespace {

// Throws an int from its third user step.
class ThrowingBindwell : public DrivenBindwell {
  public:
    void user() override {
        Bindwell::user();
        if (++steps_ == 3)
            throw 7;
    }

  private:
    int steps_ = 0;
};

} // namespace

TEST_F(BindwellRun, AUserStepThatThrowsShowsTheFaultReportAndEndsAsAWindowClose) {
    ThrowingBindwell thrower;
    run_app(thrower);
    EXPECT_NE(
        err.find("[information] Fault: Runtime Execption in (anonymous namespace)::ThrowingBindwell::user()"
                 "\n\nint=7\n"),
        std::string::npos)
        << err;
    EXPECT_EQ(records(),
              (std::vector<std::string>{"100 Begin Program", "851 Terminate with Window Close",
                                        "888 Audio monitor kill", "888 Audio monitor terminated"}));
}
