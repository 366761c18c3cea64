#pragma once

#include "lum/input/input.hpp"
#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// Where Bindwell writes the gamepad mappings of the joypads it bound, beside
// the joypad document, for games that read pads through SDL or GLFW.
inline constexpr const char* GAMEPAD_MAPPINGS_FILE = "Save/gamecontrollerdb.txt";

// The largest axis, button and hat count a layout may give.
inline constexpr int64_t MAX_LAYOUT_COUNT = 64;

// Why a joypad slot gives no mapping line.
enum class MappingProblem {
    NONE,
    // None of the twelve table buttons is bound: there is nothing to map.
    NOTHING_BOUND,
    NO_RECORD,
    NO_LAYOUT,
    BAD_LAYOUT,
    BAD_GUID,
    BAD_NAME,
};

struct GamepadMapping {
    MappingProblem problem = MappingProblem::NONE;
    // The line, without a newline, when there is no problem; else what is
    // wrong in words (empty for NOTHING_BOUND).
    String text;
};

// The pad's mapping line in SDL_GameControllerDB's form ("GUID,name,a:b1,...,
// platform:Linux,"), from its recorded GUID, name and layout and its bindings:
// each table button gives the element of its lowest bound input.
GamepadMapping gamepad_mapping(const JoypadState& pad);

// The mapping line of each of the eight slots that has one, in slot order,
// each ending in a newline. Each slot with bindings but no line adds
// "Joypad{p}: PROBLEM" and a newline to problems.
String gamepad_mapping_lines(const Input& input, String& problems);

// Writes a comment line and the mappings of every slot (gamepad_mapping_lines)
// to GAMEPAD_MAPPINGS_FILE, replacing it atomically, with each slot's problem on
// the debug output. Returns whether the file was written; on failure the
// reason goes to the debug output and the old file stays.
bool save_gamepad_mappings(const Input& input);

} // namespace lum
