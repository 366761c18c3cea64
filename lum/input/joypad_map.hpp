#pragma once

#include "lum/data/var.hpp"
#include "lum/input/input.hpp"

namespace lum {

// Where the joypad bindings live, under the working directory.
inline constexpr const char* JOYPAD_MAP_FILE = "Save/joypad.yaml";

// The key of the joypad document's entry that records each slot's pad.
inline constexpr const char* JOYPAD_DEVICES_KEY = "Devices";

// A pad's identity as the joypad document records it under "Devices".
struct JoypadIdentity {
    // Empty when the document records no identity for the slot.
    String guid;
    String name;
    // Not known when the record has none of Axes, Buttons and Hats.
    JoypadLayout layout;
};

// Reads "Save/joypad.yaml", takes the identities it records as the slots'
// (see enumerate_joypads), registers the joypads, then binds to player p each
// slot p that has a pad or an entry in the document. Without a readable file
// the joypads register in joystick order and every binding stays unbound; a
// file that does not parse throws DataParseException.
void load_joypad_map(Input& input);

// The identity that document's "Devices" entry records for slot: a hash under
// "Joypad{slot}" with GUID and Name as text and a GUID that is not empty.
// Anything else there gives no identity. The record's Axes, Buttons and Hats,
// when it has any of them, give the layout.
JoypadIdentity recorded_identity(const Var& document, int32_t slot);

// Binds joypads 0 to pad_count - 1 to their players from document: under
// "Joypad{p}", each logical button name lists physical inputs 0 to 39. Every
// input of those pads is bound, those the document does not list with no bits.
void bind_joypads(Input& input, const Var& document, int32_t pad_count);

// Writes the identity and layout of every slot that has one (under "Devices") and the
// bindings of all eight joypad slots to "Save/joypad.yaml", replacing it
// atomically, and prints each bound input on the debug output.
// Returns whether the file was written; on failure the reason goes to the
// debug output and the old file stays.
bool save_joypad_map(const Input& input);

} // namespace lum
