#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum::platform {

// Joysticks are numbered 0 to JOYSTICK_COUNT - 1.
inline constexpr int JOYSTICK_COUNT = 16;

// Whether joystick id is connected; false for ids out of range.
bool joystick_present(int id);

// Number of axes and of buttons (hats count as four buttons each); 0 when absent.
int joystick_axis_count(int id);
int joystick_button_count(int id);

// Number of hats, whose buttons end joystick_button_count: four per hat, in
// the order up, right, down, left; 0 when absent.
int joystick_hat_count(int id);

// Copies up to count axis values (-1..1) into axes; returns how many were copied.
int read_joystick_axes(int id, float* axes, int count);

// Copies up to count button states (1 down, 0 up) into buttons; returns how many.
// Scripted and virtual joysticks (LUM_VIRTUAL_JOYPADS) also give 1, once, for a
// button pressed and released since the last read; real devices lose such taps.
int read_joystick_buttons(int id, uint8_t* buttons, int count);

// The device's name, empty when absent.
String joystick_name(int id);

// The device's GUID as 32 hex digits, naming its make and model (pads of one
// model share it), empty when absent.
String joystick_guid(int id);

// A number that stays the same while one device stays connected as joystick
// id and changes whenever a device connects there; 0 while none is.
uint32_t joystick_connection(int id);

// The GUID of a device that has no vendor or product, built from its name as
// the platform builds such GUIDs: the bus, then 12 bytes; here the bus is the
// virtual one and the bytes are a hash of name, so equal names give equal GUIDs.
String guid_from_name(const String& name);

} // namespace lum::platform
