#include "lum/input/joypad_map.hpp"

#include "lum/error/exception.hpp"
#include "lum/input/binding_document.hpp"
#include "lum/input/logical_button.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

#include <array>
#include <charconv>
#include <string>

namespace lum {

namespace {

String joypad_key(int32_t p) {
    return Format("Joypad{0}", p);
}

void bind_joypad(JoypadState& pad, int32_t p, const Var& entry) {
    std::array<uint32_t, JoypadState::MAX_INPUTS> masks{};
    for (const auto& [name, inputs] : entry.hash()) {
        int32_t n = logical_button_from_name(name);
        for (int32_t i = 0; i < inputs.count(); ++i) {
            int64_t v = inputs[i].to_int64();
            if (v >= 0 && v < JoypadState::MAX_INPUTS)
                masks[v] |= 1u << n;
        }
    }
    for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i)
        pad.bindings[i] = {p, masks[i]};
}

// A layout value of a Devices record: a whole number, else -1 (missing, a
// list or a hash, or other text).
int64_t layout_value(const Var& record, const char* key) {
    if (!record.has(key) || !record[key].is_scalar())
        return -1;
    std::string text = record[key].to_string().to_utf8();
    int64_t v = -1;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size())
        return -1;
    return v;
}

JoypadLayout recorded_layout(const Var& record) {
    if (!record.has("Axes") && !record.has("Buttons") && !record.has("Hats"))
        return {};
    return {true, layout_value(record, "Axes"), layout_value(record, "Buttons"),
            layout_value(record, "Hats")};
}

} // namespace

JoypadIdentity recorded_identity(const Var& document, int32_t slot) {
    const Var& entry = document[JOYPAD_DEVICES_KEY][joypad_key(slot)];
    if (!entry.is_hash() || !entry.has("GUID") || !entry.has("Name"))
        return {};
    const Var& guid = entry["GUID"];
    const Var& name = entry["Name"];
    if (!guid.is_scalar() || !name.is_scalar() || guid.to_string().empty())
        return {};
    return {guid.to_string(), name.to_string(), recorded_layout(entry)};
}

void bind_joypads(Input& input, const Var& document, int32_t pad_count) {
    for (int32_t p = 0; p < pad_count && p < Input::MAX_JOYPADS; ++p)
        bind_joypad(input.joypads[p], p, document[joypad_key(p)]);
}

void load_joypad_map(Input& input) {
    Var document;
    DocumentRead read = read_binding_document(Path(JOYPAD_MAP_FILE), document);
    bool read_whole = read.status == DocumentStatus::READ;
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        JoypadIdentity identity = read_whole ? recorded_identity(document, p) : JoypadIdentity{};
        input.joypads[p].guid = std::move(identity.guid);
        input.joypads[p].name = std::move(identity.name);
        input.joypads[p].layout = identity.layout;
    }
    enumerate_joypads(input);
    if (read.status == DocumentStatus::UNPARSABLE)
        throw DataParseException(read.reason);
    if (read.status == DocumentStatus::UNREADABLE)
        debug_out << read.reason << "; the joypads stay unbound\n";
    if (!read_whole)
        return;
    // Slots whose pad is away keep their bindings too, for when it connects
    // and for the next save.
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        JoypadState& pad = input.joypads[p];
        if (pad.connected || document.has(joypad_key(p)))
            bind_joypad(pad, p, document[joypad_key(p)]);
    }
}

bool save_joypad_map(const Input& input) {
    Var document;
    document.make_hash();
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        const JoypadState& pad = input.joypads[p];
        if (pad.guid.empty())
            continue;
        Var& record = document[JOYPAD_DEVICES_KEY][joypad_key(p)];
        record["GUID"].set_string(pad.guid);
        record["Name"].set_string(pad.name);
        if (!pad.layout.known)
            continue;
        record["Axes"] = Value(pad.layout.axes);
        record["Buttons"] = Value(pad.layout.buttons);
        record["Hats"] = Value(pad.layout.hats);
    }
    for (int32_t p = 0; p < Input::MAX_JOYPADS; ++p) {
        String key = joypad_key(p);
        const JoypadState& pad = input.joypads[p];
        for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i) {
            uint32_t bits = pad.bindings[i].bits;
            if (bits == 0)
                continue;
            debug_out << Format("PHYS {0} : BITS {1}\n", i, bits);
            for (int32_t n = 1; n < PLAYER_BUTTON_COUNT && (bits >> n) != 0; ++n) {
                if ((bits >> n & 1u) == 0)
                    continue;
                const char* name = logical_button_name(n);
                debug_out << Format("[] {0} {1} {2}\n", key, name, n);
                Var& pad_entry = document[key];
                if (!pad_entry.is_hash())
                    pad_entry.make_hash();
                Var& list = pad_entry[name];
                list[list.count()] = Value(static_cast<int64_t>(i));
            }
        }
    }
    return save_binding_document(document, Path(JOYPAD_MAP_FILE), "the joypad bindings were not saved");
}

} // namespace lum
