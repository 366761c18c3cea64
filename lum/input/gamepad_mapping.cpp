#include "lum/input/gamepad_mapping.hpp"

#include "lum/data/atomic_file.hpp"
#include "lum/error/exception.hpp"
#include "lum/input/logical_button.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

#include <array>
#include <string>

namespace lum {

namespace {

// The element each table button drives in a gamepad mapping, in the line's order.
struct Element {
    int32_t logical;
    const char* name;
};
constexpr std::array<Element, 12> ELEMENTS = {{
    {BUTTON_LEFT, "dpleft"},
    {BUTTON_RIGHT, "dpright"},
    {BUTTON_UP, "dpup"},
    {BUTTON_DOWN, "dpdown"},
    {BUTTON_A, "a"},
    {BUTTON_B, "b"},
    {BUTTON_X, "x"},
    {BUTTON_Y, "y"},
    {BUTTON_PREV, "leftshoulder"},
    {BUTTON_NEXT, "rightshoulder"},
    {BUTTON_SELECT, "back"},
    {BUTTON_START, "start"},
}};

bool binds_table_button(const JoypadState& pad) {
    for (const InputBinding& b : pad.bindings) {
        for (const Element& e : ELEMENTS) {
            if ((b.bits >> e.logical & 1u) != 0)
                return true;
        }
    }
    return false;
}

bool in_layout_range(int64_t v) {
    return v >= 0 && v <= MAX_LAYOUT_COUNT;
}

bool hex_guid(const String& guid) {
    if (guid.length() != 32)
        return false;
    for (char16_t c : guid) {
        bool hex = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hex)
            return false;
    }
    return true;
}

// Whether name has something besides commas, which the line replaces.
bool named(const String& name) {
    for (char16_t c : name) {
        if (c != u',')
            return true;
    }
    return false;
}

// The element physical input i of a pad with this layout is: axes' halves,
// then the real buttons, then each hat's up, right, down and left. Empty past
// the layout's inputs.
std::string input_element(const JoypadLayout& layout, int64_t i) {
    if (i < 2 * layout.axes)
        return (i % 2 == 0 ? "-a" : "+a") + std::to_string(i / 2);
    int64_t j = i - 2 * layout.axes;
    if (j < layout.buttons)
        return "b" + std::to_string(j);
    j -= layout.buttons;
    if (j >= 4 * layout.hats)
        return {};
    return "h" + std::to_string(j / 4) + "." + std::to_string(1 << (j % 4));
}

// The element of the lowest input bound to logical that lies within the layout, or empty.
std::string element_of(const JoypadState& pad, int32_t logical) {
    for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i) {
        if ((pad.bindings[i].bits >> logical & 1u) == 0)
            continue;
        std::string element = input_element(pad.layout, i);
        if (!element.empty())
            return element;
    }
    return {};
}

GamepadMapping problem(MappingProblem kind, const char* text) {
    return {kind, String(text)};
}

} // namespace

GamepadMapping gamepad_mapping(const JoypadState& pad) {
    if (!binds_table_button(pad))
        return {MappingProblem::NOTHING_BOUND, String()};
    if (pad.guid.empty())
        return problem(MappingProblem::NO_RECORD, "no pad recorded for the slot, so no gamepad mapping");
    const JoypadLayout& layout = pad.layout;
    if (!layout.known)
        return problem(MappingProblem::NO_LAYOUT,
                       "the record has no layout (Axes, Buttons, Hats); bind the pad again in "
                       "Bindwell for a gamepad mapping");
    if (!in_layout_range(layout.axes) || !in_layout_range(layout.buttons) || !in_layout_range(layout.hats))
        return problem(MappingProblem::BAD_LAYOUT,
                       "the layout is not three whole numbers from 0 to 64, so no gamepad mapping");
    if (!hex_guid(pad.guid))
        return problem(MappingProblem::BAD_GUID, "the GUID is not 32 hex digits, so no gamepad mapping");
    if (!named(pad.name))
        return problem(MappingProblem::BAD_NAME, "the name is empty or only commas, so no gamepad mapping");
    // The format separates fields with commas, so a name cannot hold one.
    std::string line = pad.guid.to_utf8() + "," + pad.name.replace(u',', u' ').to_utf8() + ",";
    for (const Element& e : ELEMENTS) {
        std::string element = element_of(pad, e.logical);
        if (!element.empty())
            line += std::string(e.name) + ":" + element + ",";
    }
    line += "platform:Linux,";
    return {MappingProblem::NONE, String(line)};
}

String gamepad_mapping_lines(const Input& input, String& problems) {
    String text;
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        GamepadMapping mapping = gamepad_mapping(input.joypads[p]);
        if (mapping.problem == MappingProblem::NONE)
            text += mapping.text + String("\n");
        else if (mapping.problem != MappingProblem::NOTHING_BOUND)
            problems += Format("Joypad{0}: {1}\n", p, mapping.text);
    }
    return text;
}

bool save_gamepad_mappings(const Input& input) {
    String problems;
    String text = String("# Gamepad mappings of the pads bound in Bindwell (SDL_GameControllerDB lines)\n") +
                  gamepad_mapping_lines(input, problems);
    debug_out << problems;
    try {
        AtomicFile::write_all(Path(GAMEPAD_MAPPINGS_FILE), text.to_utf8());
        return true;
    } catch (const Exception& e) {
        debug_out << (e.message.empty() ? describe(e) : e.message)
                  << "; the gamepad mappings were not saved\n";
        return false;
    }
}

} // namespace lum
