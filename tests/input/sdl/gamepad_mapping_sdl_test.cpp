// The mapping lines are for other programs: SDL2's game controller layer
// reads one here over a virtual joystick of the pad's layout, and each
// physical input, set alone, must light exactly the elements it is bound to.

#include "lum/input/gamepad_mapping.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The game controller buttons a mapping line may name, by SDL's names.
const std::vector<std::pair<SDL_GameControllerButton, std::string>> ELEMENTS = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, "dpleft"},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, "dpright"},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, "dpup"},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, "dpdown"},
    {SDL_CONTROLLER_BUTTON_A, "a"},
    {SDL_CONTROLLER_BUTTON_B, "b"},
    {SDL_CONTROLLER_BUTTON_X, "x"},
    {SDL_CONTROLLER_BUTTON_Y, "y"},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, "leftshoulder"},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, "rightshoulder"},
    {SDL_CONTROLLER_BUTTON_BACK, "back"},
    {SDL_CONTROLLER_BUTTON_START, "start"},
    {SDL_CONTROLLER_BUTTON_GUIDE, "guide"},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, "leftstick"},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, "rightstick"},
};

constexpr int AXES = 2;
constexpr int BUTTONS = 6;
constexpr int HATS = 1;

// SDL's joystick layer, started without video or sound, with one virtual
// joystick of the layout above attached.
class SdlPad : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, AXES, BUTTONS, HATS);
        ASSERT_GE(index_, 0) << SDL_GetError();
    }
    void TearDown() override {
        if (controller_)
            SDL_GameControllerClose(controller_);
        if (index_ >= 0)
            SDL_JoystickDetachVirtual(index_);
        SDL_Quit();
    }
    // The virtual joystick's GUID as GLFW would report it: its CRC bytes zeroed.
    std::string glfw_guid() const {
        char text[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index_), text, sizeof text);
        std::string guid = text;
        guid.replace(4, 4, "0000");
        return guid;
    }
    // Every input at rest, then input i (numbered as the engine numbers them) set.
    void set_alone(SDL_Joystick* joy, int i) {
        for (int k = 0; k < AXES; ++k)
            SDL_JoystickSetVirtualAxis(joy, k, i == 2 * k ? -32768 : i == 2 * k + 1 ? 32767 : 0);
        for (int j = 0; j < BUTTONS; ++j)
            SDL_JoystickSetVirtualButton(joy, j, i == 2 * AXES + j ? SDL_PRESSED : SDL_RELEASED);
        const Uint8 directions[4] = {SDL_HAT_UP, SDL_HAT_RIGHT, SDL_HAT_DOWN, SDL_HAT_LEFT};
        int hat_input = i - 2 * AXES - BUTTONS;
        for (int h = 0; h < HATS; ++h) {
            bool this_hat = hat_input >= 4 * h && hat_input < 4 * h + 4;
            SDL_JoystickSetVirtualHat(joy, h, this_hat ? directions[hat_input - 4 * h] : SDL_HAT_CENTERED);
        }
        SDL_GameControllerUpdate();
    }
    std::set<std::string> lit() const {
        std::set<std::string> out;
        for (const auto& [button, name] : ELEMENTS) {
            if (SDL_GameControllerGetButton(controller_, button))
                out.insert(name);
        }
        return out;
    }

    int index_ = -1;
    SDL_GameController* controller_ = nullptr;
};

} // namespace

TEST_F(SdlPad, EachInputSetAloneLightsExactlyTheElementsItsBindingsGiveIt) {
    using namespace lum;
    // Inputs: 0 to 3 the halves of axes 0 and 1, 4 to 9 buttons 0 to 5, 10 to
    // 13 the hat's up, right, down and left.
    const std::pair<int, int> bound[] = {
        {13, BUTTON_LEFT},  {11, BUTTON_RIGHT}, {10, BUTTON_UP},   {12, BUTTON_DOWN}, {4, BUTTON_A},
        {4, BUTTON_B},      {1, BUTTON_X},      {2, BUTTON_Y},     {5, BUTTON_PREV},  {9, BUTTON_NEXT},
        {3, BUTTON_SELECT}, {0, BUTTON_START},  {8, BUTTON_START},
    };
    // What each input alone must light, worked out from the bindings above: a
    // row bound to two inputs maps only the lower one (START: 0, not 8).
    const std::set<std::string> expected[] = {
        {"start"},         {"x"},    {"y"},       {"back"},   {"a", "b"}, {"leftshoulder"}, {}, {}, {},
        {"rightshoulder"}, {"dpup"}, {"dpright"}, {"dpdown"}, {"dpleft"},
    };
    JoypadState pad;
    pad.guid = String(glfw_guid());
    pad.name = String("Virtual, Pad");
    pad.layout = {true, AXES, BUTTONS, HATS};
    for (const auto& [input, logical] : bound)
        pad.bindings[input].bits |= 1u << logical;
    GamepadMapping mapping = gamepad_mapping(pad);
    ASSERT_EQ(mapping.problem, MappingProblem::NONE) << mapping.text.to_utf8();

    // Read as SDL reads a mapping file: the comment line is skipped, the line added.
    const std::string file = "# a comment, as the mapping file starts\n" + mapping.text.to_utf8() + "\n";
    ASSERT_EQ(SDL_GameControllerAddMappingsFromRW(SDL_RWFromConstMem(file.data(), int(file.size())), 1), 1)
        << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(index_)) << mapping.text.to_utf8();
    controller_ = SDL_GameControllerOpen(index_);
    ASSERT_NE(controller_, nullptr) << SDL_GetError();
    EXPECT_STREQ(SDL_GameControllerName(controller_), "Virtual  Pad")
        << "the line's name, so the line was used";
    SDL_Joystick* joy = SDL_GameControllerGetJoystick(controller_);

    set_alone(joy, -1);
    EXPECT_EQ(lit(), std::set<std::string>{}) << "at rest";
    for (int i = 0; i < 2 * AXES + BUTTONS + 4 * HATS; ++i) {
        set_alone(joy, i);
        EXPECT_EQ(lit(), expected[i]) << "input " << i << " of " << mapping.text.to_utf8();
    }
}
