#include "lum/app/process/system_profile.hpp"

#include "lum/app/process/language.hpp"
#include "lum/data/folders.hpp"
#include "lum/platform/system_info.hpp"
#include "lum/text/format.hpp"

#include <clocale>
#include <cstdio>
#include <string>

namespace lum {

SystemProfile& SystemProfile::instance() {
    static SystemProfile profile;
    return profile;
}

uint32_t user_hash_of(const String& text) {
    uint32_t h = 0;
    for (char16_t u : text)
        h = ((h << 4) | (h >> 28)) ^ u;
    return h;
}

namespace {

String as_folder(const String& path) {
    if (path.empty())
        return String("/");
    return path.At(-1) == Char('/') ? path : path + Char('/');
}

String architecture_of(const String& machine) {
    if (machine == String("x86_64"))
        return String("x86-AMD64");
    String m = machine;
    if (m.length() == 4 && m.At(0) == Char('i') && m.find(String("86")) == 2)
        return String("x86-32");
    return machine;
}

// Chooses the language row from the locale environment and sets the process
// locale to its code: "ja_JP.UTF-8" when that locale exists, else "ja_JP", else "C".
void apply_language(SystemProfile& p) {
    const Language& row = language_for_locale_name(platform::locale_environment());
    p.language_index = row.index;
    p.language_code = String(row.code);
    p.language_english_name = String(row.english_name);
    p.language_native_name = String(row.native_name);
    std::string code = row.code;
    if (!std::setlocale(LC_ALL, (code + ".UTF-8").c_str()) && !std::setlocale(LC_ALL, code.c_str()))
        std::setlocale(LC_ALL, "C");
    // Numbers in the engine's texts always use ".", whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    // setlocale's text lives in a buffer that the next call reuses: copy it now.
    const char* now = std::setlocale(LC_ALL, nullptr);
    p.locale = String(std::string(now ? now : "C"));
}

const char* name_in(const char* const* names, int32_t count, int32_t index, const char* other) {
    return index >= 1 && index <= count ? names[index - 1] : other;
}

} // namespace

String device_kind_name(int32_t kind) {
    static const char* const names[] = {"Mac",        "Macbook",      "iPhone",   "iPodTouch", "iPad",
                                        "Windows PC", "Windows Note", "Linux PC", "Linux Note"};
    return String(name_in(names, 9, kind, "Unknown Device"));
}

String keyboard_layout_name(int32_t layout) {
    static const char* const names[] = {"US", "ISO", "JIS"};
    return String(name_in(names, 3, layout, "<ERROR>"));
}

int32_t virtual_machine_kind(const platform::MachineIdentity& machine) {
    static const String names[] = {String("VirtualBox"), String("Virtual PC"), String("VMware")};
    for (const String* text : {&machine.product_name, &machine.vendor}) {
        for (int32_t i = 0; i < 3; ++i) {
            if (text->find(names[i]) >= 0)
                return i + 1;
        }
    }
    return NO_VIRTUAL_MACHINE;
}

void set_power_facts(SystemProfile& p, const platform::PowerSupplies& power) {
    p.device_kind = power.battery_present ? LINUX_NOTE : LINUX_PC;
    p.power_line = power.mains_present && !power.mains_online ? 0 : 1;
    const int capacity = power.battery_capacity;
    if (!power.battery_present)
        p.battery = 0;
    else if (power.battery_status == String("Charging"))
        p.battery = 4;
    else if (capacity < 0)
        p.battery = 0;
    else if (capacity < 5)
        p.battery = 3;
    else if (capacity < 33)
        p.battery = 2;
    else if (capacity > 66)
        p.battery = 1;
    else
        p.battery = 0;
}

void set_keyboard_facts(SystemProfile& p, int keyboard_type) {
    p.numeric_keypad = false;
    p.keyboard_name = String("Unknown Keyboard");
    p.function_keys = keyboard_type == 1 || keyboard_type == 3 ? 10 : 12;
    p.keyboard_layout = keyboard_type == 7 ? LAYOUT_JIS : LAYOUT_US;
}

void probe_environment() {
    probe_folders();
    probe_language();
    probe_machine();
}

void probe_folders() {
    SystemProfile& p = SystemProfile::instance();
    p.current_directory = as_folder(platform::current_directory());
    p.desktop_directory = as_folder(platform::desktop_directory());
    p.fonts_directory = as_folder(platform::fonts_directory());
    set_special_folders(p.current_directory, p.desktop_directory, p.fonts_directory);
}

void probe_language() {
    apply_language(SystemProfile::instance());
}

void probe_machine() {
    SystemProfile& p = SystemProfile::instance();
    p.user_name = platform::user_name();
    set_power_facts(p, platform::power_supplies());

    platform::OsInfo os = platform::os_info();
    p.is_64bit = platform::is_64bit_system();
    const char* bits = p.is_64bit ? "x64" : "x32";
    p.display_adapter = platform::display_adapter();
    p.architecture = architecture_of(os.machine);
    p.machine_class = String("IBM-PC/AT Compatible");
    p.mouse_buttons = platform::mouse_button_count();
    p.computer_name = platform::host_name();
    p.memory_mb = platform::installed_memory_mb();
    p.build_info =
        Format("{0} {1}.{2}.{3} {4} ({5})", os.system, os.major, os.minor, os.patch, os.version, bits);
    p.platform_text = Format("{0} {1}", os.system, bits);
    p.release_date = String("unknown");
    p.build_version = String::from_int64(os.patch);
    p.revision = 0;
    p.clean_boot = false;

    p.user_hash = user_hash_of(p.build_info + p.user_name + p.display_adapter);
}

} // namespace lum
