#pragma once

#include "lum/data/var.hpp"
#include "lum/input/input.hpp"

namespace lum {

// Where the keyboard bindings live, under the working directory.
inline constexpr const char* KEYBOARD_MAP_FILE = "Save/keyboard.yaml";

// The built-in keyboard document: "Keyboard" maps each logical button name to
// a list of key names.
Var default_keyboard_document();

// Adds, for player 0, the bindings document lists: each key named under a
// logical button name drives that button too. Other names are skipped, and a
// document that is not a map binds nothing.
void bind_keyboard(Input& input, const Var& document);

// Binds the keys from "Save/keyboard.yaml". Without the file, the built-in
// document is written there first (a failed write is reported on the debug
// output) and bound; a file that does not parse binds what was read of it.
void load_keyboard_map(Input& input);

} // namespace lum
