#include "lum/platform/joystick_bank.hpp"

#include <algorithm>
#include <cstdio>
#include <string>

namespace lum::platform {

const JoystickBank::Joystick* JoystickBank::find(int id) const {
    if (id < 0 || id >= JOYSTICK_COUNT || !joysticks_[id].present)
        return nullptr;
    return &joysticks_[id];
}

JoystickBank::Joystick* JoystickBank::find(int id) {
    return const_cast<Joystick*>(static_cast<const JoystickBank*>(this)->find(id));
}

void JoystickBank::plug(int id, const String& name, int axes, int buttons, const String& guid, int hats) {
    if (id < 0 || id >= JOYSTICK_COUNT)
        return;
    Joystick& j = joysticks_[id];
    j.present = true;
    j.connection = ++connections_;
    j.name = name;
    j.guid = guid.empty() ? guid_from_name(name) : guid;
    j.axes.assign(std::max(0, axes), 0.0f);
    j.hats = std::max(0, hats);
    j.buttons.assign(std::max(0, buttons) + 4 * j.hats, 0);
    j.tapped.assign(j.buttons.size(), 0);
}

void JoystickBank::unplug(int id) {
    if (id >= 0 && id < JOYSTICK_COUNT)
        joysticks_[id] = Joystick{};
}

bool JoystickBank::set_axis(int id, int axis, float value) {
    Joystick* j = find(id);
    if (!j || axis < 0 || axis >= static_cast<int>(j->axes.size()))
        return false;
    j->axes[axis] = std::clamp(value, -1.0f, 1.0f);
    return true;
}

bool JoystickBank::set_button(int id, int button, bool down) {
    Joystick* j = find(id);
    if (!j || button < 0 || button >= static_cast<int>(j->buttons.size()))
        return false;
    j->buttons[button] = down ? 1 : 0;
    if (down)
        j->tapped[button] = 1;
    return true;
}

bool JoystickBank::present(int id) const {
    return find(id) != nullptr;
}

int JoystickBank::axis_count(int id) const {
    const Joystick* j = find(id);
    return j ? static_cast<int>(j->axes.size()) : 0;
}

int JoystickBank::button_count(int id) const {
    const Joystick* j = find(id);
    return j ? static_cast<int>(j->buttons.size()) : 0;
}

int JoystickBank::hat_count(int id) const {
    const Joystick* j = find(id);
    return j ? j->hats : 0;
}

int JoystickBank::read_axes(int id, float* axes, int count) const {
    const Joystick* j = find(id);
    if (!j || !axes || count <= 0)
        return 0;
    int n = std::min(count, static_cast<int>(j->axes.size()));
    std::copy_n(j->axes.begin(), n, axes);
    return n;
}

int JoystickBank::read_buttons(int id, uint8_t* buttons, int count) {
    Joystick* j = find(id);
    if (!j || !buttons || count <= 0)
        return 0;
    int n = std::min(count, static_cast<int>(j->buttons.size()));
    for (int i = 0; i < n; ++i) {
        buttons[i] = (j->buttons[i] || j->tapped[i]) ? 1 : 0;
        j->tapped[i] = 0;
    }
    return n;
}

String JoystickBank::name(int id) const {
    const Joystick* j = find(id);
    return j ? j->name : String();
}

String JoystickBank::guid(int id) const {
    const Joystick* j = find(id);
    return j ? j->guid : String();
}

uint32_t JoystickBank::connection(int id) const {
    const Joystick* j = find(id);
    return j ? j->connection : 0;
}

String guid_from_name(const String& name) {
    // Two 64-bit FNV-1a hashes of the UTF-8 bytes, from different starts,
    // give the 12 bytes: different names collide only by a 96-bit chance.
    std::string bytes = name.to_utf8();
    uint64_t a = 0xcbf29ce484222325ull;
    uint64_t b = 0x84222325cbf29ce4ull;
    for (unsigned char c : bytes) {
        a = (a ^ c) * 0x100000001b3ull;
        b = (b ^ c) * 0x100000001b3ull;
    }
    b ^= bytes.size();
    b *= 0x100000001b3ull;
    // Bus 0x0006 (virtual), little-endian, then two zero bytes, as for devices
    // without vendor and product.
    char text[33];
    std::snprintf(text, sizeof text, "06000000%016llx%08llx", static_cast<unsigned long long>(a),
                  static_cast<unsigned long long>(b >> 32));
    return String(text);
}

} // namespace lum::platform
