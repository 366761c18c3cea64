#include "lum/input/keyboard_map.hpp"

#include "lum/input/binding_document.hpp"
#include "lum/input/key_code.hpp"
#include "lum/input/logical_button.hpp"
#include "lum/text/debug_out.hpp"

#include <initializer_list>

namespace lum {

namespace {

struct DefaultKeys {
    const char* button;
    std::initializer_list<const char*> keys;
};

// "NumEqual", "[" and "]" name no key, so they bind nothing.
const DefaultKeys DEFAULT_KEYS[] = {
    {"Up", {"Num8", "Up"}},
    {"Down", {"Num2", "Down"}},
    {"Left", {"Num4", "Left"}},
    {"Right", {"Num6", "Right"}},
    {"A", {"NumEnter", "z", "Space"}},
    {"Ok", {"NumEnter", "z", "Space"}},
    {"B", {"Num0", "x", "Escape"}},
    {"Cancel", {"Num0", "x", "Escape"}},
    {"C", {"NumEqual", "c"}},
    {"X", {"Num7", "a", "Return"}},
    {"Menu", {"Num7", "a", "Return"}},
    {"Y", {"Num9", "s", "Tab"}},
    {"Change", {"Num9", "s", "Tab"}},
    {"Z", {"NumDiv", "d"}},
    {"Prev", {"NumSub", "[", "PageUp"}},
    {"Next", {"NumAdd", "]", "PageDown"}},
    {"Start", {"Num1", "Home"}},
    {"Select", {"Num3", "End"}},
};

} // namespace

Var default_keyboard_document() {
    Var document;
    Var& keyboard = document["Keyboard"];
    keyboard.make_hash();
    for (const DefaultKeys& entry : DEFAULT_KEYS) {
        Var& list = keyboard[entry.button];
        list.make_list();
        for (const char* key : entry.keys)
            list[list.count()].set_string(key);
    }
    return document;
}

void bind_keyboard(Input& input, const Var& document) {
    const Var& keyboard = document["Keyboard"];
    for (int32_t n = 1; n <= NAMED_BUTTON_COUNT; ++n) {
        const Var& keys = keyboard[logical_button_name(n)];
        for (int32_t i = 0; i < keys.count(); ++i) {
            int32_t code = key_code_from_name(keys[i].to_string());
            if (code == 0)
                continue;
            input.key_bindings[code].player = 0;
            input.key_bindings[code].bits |= 1u << n;
        }
    }
}

void load_keyboard_map(Input& input) {
    Var document = default_keyboard_document();
    Path path(KEYBOARD_MAP_FILE);
    DocumentRead read = read_binding_document(path, document);
    if (read.status == DocumentStatus::MISSING)
        save_binding_document(document, path, "the built-in keyboard bindings are used");
    if (read.status == DocumentStatus::UNREADABLE)
        debug_out << read.reason << "; the built-in keyboard bindings are used\n";
    bind_keyboard(input, document);
}

} // namespace lum
