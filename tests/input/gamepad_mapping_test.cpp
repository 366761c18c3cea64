#include "lum/input/gamepad_mapping.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using lum::MappingProblem;

namespace {

constexpr const char* GUID = "03000000c82d00000161000000010000";

// A slot's record and bindings: (physical input, logical button) pairs.
struct Pad {
    const char* guid;
    const char* name;
    lum::JoypadLayout layout;
    std::vector<std::pair<int, int>> bound;
};

lum::JoypadState joypad(const Pad& pad) {
    lum::JoypadState state;
    state.guid = lum::String(pad.guid);
    state.name = lum::String(pad.name);
    state.layout = pad.layout;
    for (const auto& [input, logical] : pad.bound)
        state.bindings[input] = {0, state.bindings[input].bits | 1u << logical};
    return state;
}

} // namespace

// Each line below was worked out by hand from the layout: axis k gives inputs
// 2k (-ak) and 2k + 1 (+ak), then come the buttons bj, then each hat's up,
// right, down and left (hN.1, hN.2, hN.4, hN.8).
TEST(GamepadMapping, EachBoundTableButtonNamesTheElementOfItsLowestInput) {
    using namespace lum;
    struct Case {
        Pad pad;
        MappingProblem problem;
        std::string line;
    };
    const JoypadLayout two_axes{true, 2, 12, 1};
    const JoypadLayout two_hats{true, 1, 2, 2};
    const Case cases[] = {
        {{GUID,
          "8BitDo SN30 Pro",
          two_axes,
          {{0, BUTTON_LEFT},
           {1, BUTTON_RIGHT},
           {2, BUTTON_UP},
           {3, BUTTON_DOWN},
           {4, BUTTON_A},
           {5, BUTTON_B},
           {6, BUTTON_X},
           {7, BUTTON_Y},
           {8, BUTTON_PREV},
           {9, BUTTON_NEXT},
           {14, BUTTON_SELECT},
           {15, BUTTON_START},
           {16, BUTTON_C}}},
         MappingProblem::NONE,
         "03000000c82d00000161000000010000,8BitDo SN30 Pro,dpleft:-a0,dpright:+a0,dpup:-a1,dpdown:+a1,a:b0,"
         "b:b1,x:b2,y:b3,leftshoulder:b4,rightshoulder:b5,back:b10,start:b11,platform:Linux,"},
        // Inputs 4 to 7 are hat 0, 8 to 11 hat 1; input 12 is past the layout.
        {{GUID,
          "Hat Pad",
          two_hats,
          {{7, BUTTON_LEFT},
           {5, BUTTON_RIGHT},
           {4, BUTTON_UP},
           {6, BUTTON_DOWN},
           {11, BUTTON_A},
           {8, BUTTON_B},
           {12, BUTTON_START},
           {3, BUTTON_SELECT}}},
         MappingProblem::NONE,
         "03000000c82d00000161000000010000,Hat "
         "Pad,dpleft:h0.8,dpright:h0.2,dpup:h0.1,dpdown:h0.4,a:h1.8,b:h1.1,"
         "back:b1,platform:Linux,"},
        // One input under two rows, a row with two inputs, commas in the name.
        {{"ABCDEF0123456789abcdef0123456789",
          "Pad, Deluxe,Edition",
          {true, 0, 10, 0},
          {{9, BUTTON_A}, {3, BUTTON_A}, {3, BUTTON_B}}},
         MappingProblem::NONE,
         "ABCDEF0123456789abcdef0123456789,Pad  Deluxe Edition,a:b3,b:b3,platform:Linux,"},
        {{GUID, "Wide", {true, 64, 0, 0}, {{39, BUTTON_Y}, {0, BUTTON_X}}},
         MappingProblem::NONE,
         "03000000c82d00000161000000010000,Wide,x:-a0,y:+a19,platform:Linux,"},
        // Nothing of the table bound: no line, and nothing to say.
        {{GUID, "Pad", two_axes, {}}, MappingProblem::NOTHING_BOUND, ""},
        {{GUID, "Pad", two_axes, {{4, BUTTON_C}, {5, BUTTON_MENU}}}, MappingProblem::NOTHING_BOUND, ""},
        {{"", "", {}, {{4, BUTTON_A}}}, MappingProblem::NO_RECORD, "-"},
        {{GUID, "Old record", {}, {{4, BUTTON_A}}}, MappingProblem::NO_LAYOUT, "-"},
        {{GUID, "Pad", {true, 65, 12, 1}, {{4, BUTTON_A}}}, MappingProblem::BAD_LAYOUT, "-"},
        {{GUID, "Pad", {true, 2, -1, 1}, {{4, BUTTON_A}}}, MappingProblem::BAD_LAYOUT, "-"},
        {{GUID, "Pad", {true, 2, 12, 99}, {{4, BUTTON_A}}}, MappingProblem::BAD_LAYOUT, "-"},
        {{"03000000c82d0000016100000001000", "Pad", two_axes, {{4, BUTTON_A}}},
         MappingProblem::BAD_GUID,
         "-"},
        {{"03000000c82d0000016100000001000g", "Pad", two_axes, {{4, BUTTON_A}}},
         MappingProblem::BAD_GUID,
         "-"},
        {{"0x000000c82d00000161000000010000", "Pad", two_axes, {{4, BUTTON_A}}},
         MappingProblem::BAD_GUID,
         "-"},
        {{GUID, ",,,", two_axes, {{4, BUTTON_A}}}, MappingProblem::BAD_NAME, "-"},
    };
    for (const Case& c : cases) {
        GamepadMapping mapping = gamepad_mapping(joypad(c.pad));
        const std::string shown = std::string(c.pad.guid) + " " + c.pad.name;
        EXPECT_EQ(mapping.problem, c.problem) << shown;
        if (c.problem == MappingProblem::NONE)
            EXPECT_EQ(mapping.text.to_utf8(), c.line) << shown;
        else if (c.problem == MappingProblem::NOTHING_BOUND)
            EXPECT_TRUE(mapping.text.empty()) << shown;
        else
            EXPECT_FALSE(mapping.text.empty()) << shown << ": a problem is said in words";
    }
}
