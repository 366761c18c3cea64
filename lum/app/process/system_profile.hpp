#pragma once

#include "lum/platform/system_info.hpp"
#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// Virtual-machine kinds the library step tells apart.
enum VirtualMachine : int32_t {
    NO_VIRTUAL_MACHINE = 0,
    VIRTUALBOX = 1,
    VIRTUAL_PC = 2,
    VMWARE = 3,
};

// Keyboard layouts.
enum KeyboardLayout : int32_t {
    LAYOUT_US = 1,
    LAYOUT_ISO = 2,
    LAYOUT_JIS = 3,
};

// Device kinds of a Linux machine; 1..7 name the other systems (device_kind_name).
enum DeviceKind : int32_t {
    LINUX_PC = 8,
    LINUX_NOTE = 9,
};

// A library version as three numbers.
struct VersionNumbers {
    int32_t major = 0;
    int32_t minor = 0;
    int32_t revision = 0;
};

// The machine facts gathered at start; one process-wide instance, read-only
// once the probes have run. The environment probe fills the folders, user,
// language, machine and most system facts; the library step (the "Libs" boot
// step) fills the processor, library, keyboard and system-version facts.
struct SystemProfile {
    // Folders, each ending with "/".
    String current_directory;
    String desktop_directory;
    String fonts_directory;

    String user_name;

    // The language row and the process locale chosen from it.
    int32_t language_index = 21;
    String language_code;
    String language_english_name;
    String language_native_name;
    String locale;

    uint32_t user_hash = 0;

    // A DeviceKind; 0 before the probe.
    int32_t device_kind = 0;
    // Mains: 0 offline, 1 online or unknown. Battery: 1 high, 2 low, 3 critical,
    // 4 charging, 0 none or in between.
    int32_t power_line = 0;
    int32_t battery = 0;
    String display_adapter;
    String architecture;
    String machine_class;
    String computer_name;
    uint32_t memory_mb = 0;
    int32_t mouse_buttons = 0;

    String build_info;
    String platform_text;
    String release_date;
    String build_version;
    int32_t revision = 0;
    bool is_64bit = false;
    bool clean_boot = false;

    // Processor (library step).
    String cpu_name;
    int32_t cpu_logical_cores = 0;
    // platform::CpuFeature bits.
    uint32_t cpu_features = 0;
    int32_t cpu_l1_code_kb = 0;
    int32_t cpu_l1_data_kb = 0;
    int32_t cpu_l2_kb = 0;
    int32_t cpu_l3_kb = 0;
    int32_t cpu_family = 0;
    int32_t cpu_model = 0;
    int32_t cpu_stepping = 0;

    // Libraries and displays (library step).
    VersionNumbers glfw_version;
    VersionNumbers freetype_version;
    String freeimage_version;
    // A VirtualMachine.
    int32_t virtual_machine = NO_VIRTUAL_MACHINE;
    int32_t monitor_count = 0;

    // System version (library step): the numbers of the kernel release and the
    // system's name; Linux has no editions, so the edition stays 0.
    int32_t os_major = 0;
    int32_t os_minor = 0;
    int32_t os_build = 0;
    int32_t edition = 0;
    String system_name;

    // Keyboard (library step).
    String keyboard_name;
    int32_t function_keys = 0;
    // A KeyboardLayout.
    int32_t keyboard_layout = 0;
    bool numeric_keypad = false;

    static SystemProfile& instance();
};

// Runs probe_folders, probe_language and probe_machine, in that order, on the
// process-wide profile. Run once by the run wrapper; besides filling the
// profile it sets the engine's folders and the process locale.
void probe_environment();

// Reads the working, desktop and fonts folders into the profile and makes them
// the engine's folders (working_folder() and the others).
void probe_folders();

// Chooses the language row from the locale environment, sets the process
// locale to its code (numbers keep "."), and stores both in the profile.
void probe_language();

// Fills the user, machine and system facts of the profile, then the user hash.
void probe_machine();

// h = rotl(h, 4) XOR u over every UTF-16 unit of the text, from h = 0.
uint32_t user_hash_of(const String& text);

// The device kind's name: 1 "Mac" ... 7 "Windows Note", 8 "Linux PC", 9 "Linux
// Note", any other "Unknown Device".
String device_kind_name(int32_t kind);

// "US", "ISO", "JIS" for layouts 1, 2, 3; "<ERROR>" otherwise.
String keyboard_layout_name(int32_t layout);

// The first of "VirtualBox", "Virtual PC" and "VMware" found in the product
// name, then in the vendor, as a VirtualMachine; NO_VIRTUAL_MACHINE without one.
int32_t virtual_machine_kind(const platform::MachineIdentity& machine);

// Sets the device kind, mains and battery facts from the power supplies.
void set_power_facts(SystemProfile& profile, const platform::PowerSupplies& power);

// Sets the keyboard facts for a keyboard type in Windows' numbering: name
// "Unknown Keyboard", 12 function keys (10 for types 1 and 3), layout US (JIS
// for type 7), every key flag cleared.
void set_keyboard_facts(SystemProfile& profile, int keyboard_type);

} // namespace lum
