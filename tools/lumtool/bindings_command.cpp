// lumtool bindings: the keyboard and joypad bindings a game started in DIR
// would use, read with the engine's own loaders; with --sdl, the gamepad
// mapping lines of DIR's joypads instead. Nothing is written.

#include "command.hpp"

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/error/exception.hpp"
#include "lum/input/binding_document.hpp"
#include "lum/input/gamepad_mapping.hpp"
#include "lum/input/joypad_map.hpp"
#include "lum/input/key_code.hpp"
#include "lum/input/keyboard_map.hpp"
#include "lum/platform/file_system.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace lumtool {

namespace {

struct Failure {
    std::string message;
};

// The system's words for why the file at path cannot be opened, or fallback
// when it can (the read itself failed).
std::string open_failure(const lum::Path& path, const lum::String& fallback) {
    lum::File probe;
    try {
        probe.open(path, lum::FILE_READ);
    } catch (const lum::FileOpenException&) {
        return probe.error_text().to_utf8();
    }
    return fallback.to_utf8();
}

// Reads the binding document named (as the user wrote it) into document.
// False when there is no file; a file that cannot be read or parsed fails.
bool read_document(const std::string& name, lum::Var& document) {
    lum::Path path;
    try {
        path = lum::Path(lum::String(name));
    } catch (const lum::PathParseException&) {
        throw Failure{"cannot open '" + name + "': the path climbs above the root"};
    }
    lum::DocumentRead read = lum::read_binding_document(path, document);
    switch (read.status) {
    case lum::DocumentStatus::READ:
        return true;
    case lum::DocumentStatus::MISSING:
        return false;
    case lum::DocumentStatus::UNREADABLE:
        throw Failure{"cannot open '" + name + "': " + open_failure(path, read.reason)};
    case lum::DocumentStatus::UNPARSABLE:
        break;
    }
    throw Failure{"cannot parse '" + name + "': " + read.reason.to_utf8()};
}

std::string keys_of(const lum::Input& hub, int32_t button) {
    std::string line;
    for (int32_t code = 0; code < lum::KEY_COUNT; ++code) {
        if ((hub.key_bindings[code].bits >> button & 1u) != 0)
            line += " " + lum::key_name(code).to_utf8();
    }
    return line;
}

std::string inputs_of(const lum::JoypadState& pad, int32_t button) {
    std::string line;
    for (int32_t i = 0; i < lum::JoypadState::MAX_INPUTS; ++i) {
        if ((pad.bindings[i].bits >> button & 1u) != 0)
            line += " " + std::to_string(i);
    }
    return line;
}

bool binds_anything(const lum::JoypadState& pad) {
    for (const lum::InputBinding& b : pad.bindings) {
        if (b.bits != 0)
            return true;
    }
    return false;
}

// The eighteen logical buttons in the table's order, each with what drives it.
template <typename Line>
std::string button_lines(Line line) {
    std::string text;
    for (int32_t n = 1; n <= lum::NAMED_BUTTON_COUNT; ++n)
        text += std::string("  ") + lum::logical_button_name(n) + ":" + line(n) + "\n";
    return text;
}

std::string listing(const std::string& folder) {
    std::string keyboard_name = folder + lum::KEYBOARD_MAP_FILE;
    std::string joypad_name = folder + lum::JOYPAD_MAP_FILE;
    lum::Var keyboard = lum::default_keyboard_document();
    bool keyboard_found = read_document(keyboard_name, keyboard);
    lum::Var joypads;
    bool joypads_found = read_document(joypad_name, joypads);

    auto hub = std::make_unique<lum::Input>();
    lum::bind_keyboard(*hub, keyboard);
    // As if every joypad were plugged in: the file decides, not what is connected.
    if (joypads_found)
        lum::bind_joypads(*hub, joypads, lum::Input::MAX_JOYPADS);

    std::string text =
        "keyboard: " + keyboard_name + (keyboard_found ? "" : " (missing: the built-in keys)") + "\n";
    text += button_lines([&](int32_t n) { return keys_of(*hub, n); });
    text += "joypad: " + joypad_name + (joypads_found ? "" : " (missing: no joypad is bound)") + "\n";
    for (int32_t p = 0; p < lum::Input::MAX_JOYPADS; ++p) {
        const lum::JoypadState& pad = hub->joypads[p];
        if (!binds_anything(pad))
            continue;
        text += "Joypad" + std::to_string(p) + "\n";
        // The pad the document records for the slot, when it records one.
        lum::JoypadIdentity identity = lum::recorded_identity(joypads, p);
        if (!identity.guid.empty())
            text += "  Name: " + identity.name.to_utf8() + "\n  GUID: " + identity.guid.to_utf8() + "\n";
        text += button_lines([&](int32_t n) { return inputs_of(pad, n); });
    }
    return text;
}

// The mapping line of each slot of DIR's joypad document that has one, as
// Bindwell writes them; what keeps a bound slot from having one goes to
// standard error, a line per slot.
std::string sdl_lines(const std::string& folder) {
    std::string joypad_name = folder + lum::JOYPAD_MAP_FILE;
    lum::Var joypads;
    if (!read_document(joypad_name, joypads)) {
        complain(joypad_name + " is missing: no joypad is bound");
        return "";
    }
    auto hub = std::make_unique<lum::Input>();
    for (int32_t p = 0; p < lum::Input::MAX_JOYPADS; ++p) {
        lum::JoypadIdentity identity = lum::recorded_identity(joypads, p);
        hub->joypads[p].guid = identity.guid;
        hub->joypads[p].name = identity.name;
        hub->joypads[p].layout = identity.layout;
    }
    lum::bind_joypads(*hub, joypads, lum::Input::MAX_JOYPADS);
    lum::String problems;
    std::string lines = lum::gamepad_mapping_lines(*hub, problems).to_utf8();
    std::string text = problems.to_utf8();
    for (size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        complain(joypad_name + ": " + text.substr(start, end - start));
    }
    return lines;
}

// The folder prefix for the binding files: DIR and a "/", or nothing for the
// current directory.
std::string folder_prefix(const std::string& dir) {
    if (dir.empty())
        return "";
    lum::String full(dir);
    if (!lum::platform::path_exists(full))
        throw Failure{"cannot open '" + dir + "': " + std::strerror(ENOENT)};
    if (!lum::platform::is_directory(full))
        throw Failure{"cannot open '" + dir + "': " + std::strerror(ENOTDIR)};
    return dir.back() == '/' ? dir : dir + "/";
}

int run_bindings(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    bool sdl = !args.empty() && args[0] == "--sdl";
    if (sdl)
        args.erase(args.begin());
    if (args.size() > 1)
        throw UsageError{"more than one DIR given"};
    if (!args.empty() && args[0].size() > 1 && args[0][0] == '-')
        throw UsageError{"unknown option '" + args[0] + "'"};
    std::string text;
    try {
        std::string folder = folder_prefix(args.empty() ? "" : args[0]);
        text = sdl ? sdl_lines(folder) : listing(folder);
    } catch (const Failure& f) {
        complain(f.message);
        return 1;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

const Registration
    bindings_command({"bindings", "bindings [--sdl] [DIR]",
                      "print the key and joypad bindings a game in DIR would use, or with --sdl "
                      "the SDL gamepad mapping line of each bound joypad",
                      run_bindings});

} // namespace

} // namespace lumtool
