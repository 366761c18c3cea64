#pragma once

#include "lum/text/string.hpp"

#include <cstdint>
#include <functional>
#include <string>

namespace lum::platform {

// The process's working directory, without a trailing "/"; empty when unknown.
String current_directory();

// The running program's own file (/proc/self/exe), with links resolved;
// empty when unknown.
String executable_path();

// The user's desktop folder: XDG_DESKTOP_DIR, else ~/Desktop when it exists, else ~.
String desktop_directory();

// The user's fonts folder: ~/.local/share/fonts when it exists, else /usr/share/fonts.
String fonts_directory();

// The name of the user running the process, or "unknown".
String user_name();

// The machine's host name; empty when unknown.
String host_name();

// The operating system as uname and /etc/os-release describe it.
struct OsInfo {
    int major = 0;      // 6 of release "6.1.0-18-amd64"
    int minor = 0;      // 1
    int patch = 0;      // 0
    String version;     // uname's version text ("#1 SMP PREEMPT_DYNAMIC ...")
    String machine;     // uname's machine ("x86_64")
    String pretty_name; // PRETTY_NAME of /etc/os-release, else uname's system name
    String system;      // uname's system name ("Linux")
};
OsInfo os_info();

// Whether the machine runs a 64-bit system.
bool is_64bit_system();

// The driver name of the first display card ("i915", "virtio_gpu"), else "unknown".
// Stable from run to run: it is part of the user hash.
String display_adapter();

// Installed memory in megabytes (MemTotal), 0 when unknown.
uint32_t installed_memory_mb();

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty, or "".
String locale_environment();

// Processor feature bits, one per instruction-set extension.
enum CpuFeature : uint32_t {
    CPU_MMX = 1u << 0,
    CPU_SSE = 1u << 1,
    CPU_SSE2 = 1u << 2,
    CPU_SSE3 = 1u << 3,
    CPU_SSE41 = 1u << 4,
    CPU_SSE42 = 1u << 5,
    CPU_SSE4A = 1u << 6,
    CPU_AVX = 1u << 7,
    CPU_AVX2 = 1u << 8,
    CPU_HTT = 1u << 9,
    CPU_3DNOW = 1u << 10,
    CPU_3DNOW_EXT = 1u << 11,
    CPU_MMX_EXT = 1u << 12,
};

// What the processor says about itself. Sizes are in KB; zeros where unknown.
struct ProcessorInfo {
    String vendor; // "GenuineIntel", "AuthenticAMD"; empty off x86
    String brand;  // "AMD EPYC", without the padding blanks
    int family = 0;
    int model = 0;
    int stepping = 0;
    int logical_cores = 0;
    int l1_code_kb = 0;
    int l1_data_kb = 0;
    int l2_kb = 0;
    int l3_kb = 0;
    uint32_t features = 0; // CpuFeature bits
};

// The processor of this machine: CPUID on x86, else the brand of /proc/cpuinfo,
// the online processor count and no feature bits.
ProcessorInfo processor_info();

// One answer of the CPUID instruction.
struct CpuidRegisters {
    uint32_t eax = 0;
    uint32_t ebx = 0;
    uint32_t ecx = 0;
    uint32_t edx = 0;
};
// Asks CPUID for a leaf and subleaf.
using CpuidQuery = std::function<CpuidRegisters(uint32_t leaf, uint32_t subleaf)>;

// Decodes the processor facts from CPUID answers; leaves above the reported
// maximum are never asked.
ProcessorInfo decode_cpuid(const CpuidQuery& cpuid);

// The processor's name in /proc/cpuinfo text: the first "model name", else
// "Processor", "cpu model" or "cpu" line; empty when there is none.
String cpuinfo_brand(const std::string& cpuinfo);

// The firmware's names for the machine (/sys/class/dmi/id); empty where unknown.
struct MachineIdentity {
    String product_name;
    String vendor;
};
MachineIdentity machine_identity();

// The raw power-supply facts under a folder laid out as /sys/class/power_supply.
struct PowerSupplies {
    bool mains_present = false;
    bool mains_online = false;
    bool battery_present = false;
    String battery_status;     // "Charging", "Discharging", "Full", ...
    int battery_capacity = -1; // percent, -1 when not given
};
PowerSupplies power_supplies(const String& folder = String("/sys/class/power_supply"));

// The keyboard type in the numbering of Windows' GetKeyboardType: 4, a 101/102-key keyboard.
int keyboard_type();

// The number of mouse buttons the system reports.
int mouse_button_count();

} // namespace lum::platform
