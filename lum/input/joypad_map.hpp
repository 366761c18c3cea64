#pragma once

#include "lum/data/var.hpp"
#include "lum/input/input.hpp"

namespace lum {

// Where the joypad bindings live, under the working directory.
inline constexpr const char* JOYPAD_MAP_FILE = "Save/joypad.yaml";

// Registers the joypads, then binds each registered joypad p to player p from
// "Save/joypad.yaml". Without a readable file every binding stays unbound; a
// file that does not parse throws DataParseException.
void load_joypad_map(Input& input);

// Binds joypads 0 to pad_count - 1 to their players from document: under
// "Joypad{p}", each logical button name lists physical inputs 0 to 39. Every
// input of those pads is bound, those the document does not list with no bits.
void bind_joypads(Input& input, const Var& document, int32_t pad_count);

// Writes the bindings of all eight joypad slots to "Save/joypad.yaml",
// replacing it atomically, and prints each bound input on the debug output.
// Returns whether the file was written; on failure the reason goes to the
// debug output and the old file stays.
bool save_joypad_map(const Input& input);

} // namespace lum
