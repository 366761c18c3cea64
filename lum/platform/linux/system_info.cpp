#include "lum/platform/system_info.hpp"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace lum::platform {

namespace {

bool is_directory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string home_directory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

// XDG_DESKTOP_DIR="$HOME/Desktop" from ~/.config/user-dirs.dirs, with $HOME expanded.
std::string xdg_desktop(const std::string& home) {
    std::ifstream in(home + "/.config/user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DESKTOP_DIR=";
        if (line.rfind(key, 0) != 0)
            continue;
        std::string v = line.substr(key.size());
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
            v = v.substr(1, v.size() - 2);
        if (v.rfind("$HOME", 0) == 0)
            v = home + v.substr(5);
        return v;
    }
    return "";
}

// The first line of a file without its line end; empty when it cannot be read.
std::string first_line(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

bool has_bit(uint32_t word, int bit) {
    return (word >> bit) & 1u;
}

// The text of CPUID registers in memory order, up to the first zero byte.
std::string register_text(std::initializer_list<uint32_t> words) {
    std::string text;
    for (uint32_t w : words) {
        for (int i = 0; i < 4; ++i)
            text += static_cast<char>((w >> (8 * i)) & 0xFF);
    }
    return text.substr(0, text.find('\0'));
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Cache sizes from the deterministic cache leaves (Intel's 4, AMD's 0x8000001D):
// one subleaf per cache until the type field reads 0. False when none is listed.
bool read_cache_leaves(const CpuidQuery& cpuid, uint32_t leaf, ProcessorInfo& info) {
    bool found = false;
    for (uint32_t sub = 0; sub < 16; ++sub) {
        const CpuidRegisters r = cpuid(leaf, sub);
        const uint32_t type = r.eax & 0x1F;
        if (type == 0)
            break;
        const uint32_t level = (r.eax >> 5) & 0x7;
        const uint64_t ways = (r.ebx >> 22) + 1;
        const uint64_t partitions = ((r.ebx >> 12) & 0x3FF) + 1;
        const uint64_t line = (r.ebx & 0xFFF) + 1;
        const uint64_t sets = static_cast<uint64_t>(r.ecx) + 1;
        const int kb = static_cast<int>(ways * partitions * line * sets / 1024);
        found = true;
        if (level == 1 && type == 1)
            info.l1_data_kb = kb;
        else if (level == 1 && type == 2)
            info.l1_code_kb = kb;
        else if (level == 2)
            info.l2_kb = kb;
        else if (level == 3)
            info.l3_kb = kb;
    }
    return found;
}

// AMD's older cache leaves: L1 in 0x80000005, L2 and L3 (in 512 KB units) in 0x80000006.
void read_amd_cache_leaves(const CpuidQuery& cpuid, uint32_t max_extended, ProcessorInfo& info) {
    if (max_extended >= 0x80000005) {
        const CpuidRegisters l1 = cpuid(0x80000005, 0);
        info.l1_data_kb = static_cast<int>(l1.ecx >> 24);
        info.l1_code_kb = static_cast<int>(l1.edx >> 24);
    }
    if (max_extended >= 0x80000006) {
        const CpuidRegisters l23 = cpuid(0x80000006, 0);
        info.l2_kb = static_cast<int>(l23.ecx >> 16);
        info.l3_kb = static_cast<int>((l23.edx >> 18) * 512);
    }
}

// Logical processors in the package: the core level of Intel's topology leaf,
// AMD's thread count, else the count of leaf 1 when hyper-threading is flagged.
int logical_core_count(const CpuidQuery& cpuid, uint32_t max_basic, uint32_t max_extended, bool amd,
                       const CpuidRegisters& leaf1) {
    if (amd && max_extended >= 0x80000008)
        return static_cast<int>((cpuid(0x80000008, 0).ecx & 0xFF) + 1);
    if (!amd && max_basic >= 0xB) {
        for (uint32_t sub = 0; sub < 8; ++sub) {
            const CpuidRegisters r = cpuid(0xB, sub);
            const uint32_t level_type = (r.ecx >> 8) & 0xFF;
            if (level_type == 0)
                break;
            if (level_type == 2 && (r.ebx & 0xFFFF) != 0)
                return static_cast<int>(r.ebx & 0xFFFF);
        }
    }
    if (has_bit(leaf1.edx, 28) && ((leaf1.ebx >> 16) & 0xFF) != 0)
        return static_cast<int>((leaf1.ebx >> 16) & 0xFF);
    return 1;
}

// Where each feature's standard flag lies: leaf, register and bit.
struct FeatureFlag {
    uint32_t leaf;
    uint32_t CpuidRegisters::*reg;
    int bit;
    CpuFeature feature;
};

constexpr FeatureFlag FEATURE_FLAGS[] = {
    {1, &CpuidRegisters::edx, 23, CPU_MMX},
    {1, &CpuidRegisters::edx, 25, CPU_SSE},
    {1, &CpuidRegisters::edx, 26, CPU_SSE2},
    {1, &CpuidRegisters::edx, 28, CPU_HTT},
    {1, &CpuidRegisters::ecx, 0, CPU_SSE3},
    {1, &CpuidRegisters::ecx, 19, CPU_SSE41},
    {1, &CpuidRegisters::ecx, 20, CPU_SSE42},
    {1, &CpuidRegisters::ecx, 28, CPU_AVX},
    {7, &CpuidRegisters::ebx, 5, CPU_AVX2},
    {0x80000001, &CpuidRegisters::ecx, 6, CPU_SSE4A},
    {0x80000001, &CpuidRegisters::edx, 22, CPU_MMX_EXT},
    {0x80000001, &CpuidRegisters::edx, 30, CPU_3DNOW_EXT},
    {0x80000001, &CpuidRegisters::edx, 31, CPU_3DNOW},
};

} // namespace

ProcessorInfo decode_cpuid(const CpuidQuery& cpuid) {
    ProcessorInfo info;
    const CpuidRegisters leaf0 = cpuid(0, 0);
    const uint32_t max_basic = leaf0.eax;
    info.vendor = String(register_text({leaf0.ebx, leaf0.edx, leaf0.ecx}));
    const bool amd = info.vendor == String("AuthenticAMD");
    const uint32_t max_extended = cpuid(0x80000000, 0).eax;
    const bool has_extended = max_extended >= 0x80000001 && max_extended <= 0x8FFFFFFF;

    CpuidRegisters leaf1;
    if (max_basic >= 1)
        leaf1 = cpuid(1, 0);
    const int base_family = static_cast<int>((leaf1.eax >> 8) & 0xF);
    const int base_model = static_cast<int>((leaf1.eax >> 4) & 0xF);
    info.stepping = static_cast<int>(leaf1.eax & 0xF);
    info.family = base_family == 0xF ? base_family + static_cast<int>((leaf1.eax >> 20) & 0xFF) : base_family;
    info.model = base_family == 0x6 || base_family == 0xF
                     ? base_model + static_cast<int>(((leaf1.eax >> 16) & 0xF) << 4)
                     : base_model;
    const CpuidRegisters ext1 = has_extended ? cpuid(0x80000001, 0) : CpuidRegisters();
    const CpuidRegisters leaf7 = max_basic >= 7 ? cpuid(7, 0) : CpuidRegisters();
    for (const FeatureFlag& flag : FEATURE_FLAGS) {
        const CpuidRegisters& r = flag.leaf == 1 ? leaf1 : flag.leaf == 7 ? leaf7 : ext1;
        if (has_bit(r.*flag.reg, flag.bit))
            info.features |= flag.feature;
    }
    if (has_extended && max_extended >= 0x80000004) {
        std::string brand;
        for (uint32_t leaf = 0x80000002; leaf <= 0x80000004; ++leaf) {
            const CpuidRegisters r = cpuid(leaf, 0);
            brand += register_text({r.eax, r.ebx, r.ecx, r.edx});
            if (brand.size() % 16 != 0)
                break;
        }
        info.brand = String(trimmed(brand));
    }
    info.logical_cores = logical_core_count(cpuid, max_basic, has_extended ? max_extended : 0, amd, leaf1);

    if (amd) {
        const bool topology = has_extended && has_bit(ext1.ecx, 22) && max_extended >= 0x8000001D;
        if (!topology || !read_cache_leaves(cpuid, 0x8000001D, info))
            read_amd_cache_leaves(cpuid, has_extended ? max_extended : 0, info);
    } else if (max_basic >= 4) {
        read_cache_leaves(cpuid, 4, info);
    }
    return info;
}

String cpuinfo_brand(const std::string& cpuinfo) {
    for (const char* key : {"model name", "Processor", "cpu model", "cpu"}) {
        std::istringstream in(cpuinfo);
        std::string line;
        while (std::getline(in, line)) {
            const size_t colon = line.find(':');
            if (colon == std::string::npos || trimmed(line.substr(0, colon)) != key)
                continue;
            const std::string value = trimmed(line.substr(colon + 1));
            if (!value.empty())
                return String(value);
        }
    }
    return String();
}

ProcessorInfo processor_info() {
#if defined(__i386__) || defined(__x86_64__)
    return decode_cpuid([](uint32_t leaf, uint32_t subleaf) {
        CpuidRegisters r;
        __cpuid_count(leaf, subleaf, r.eax, r.ebx, r.ecx, r.edx);
        return r;
    });
#else
    ProcessorInfo info;
    std::ifstream in("/proc/cpuinfo");
    std::ostringstream text;
    text << in.rdbuf();
    info.brand = cpuinfo_brand(text.str());
    const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
    info.logical_cores = online > 0 ? static_cast<int>(online) : 1;
    return info;
#endif
}

MachineIdentity machine_identity() {
    MachineIdentity id;
    id.product_name = String(trimmed(first_line("/sys/class/dmi/id/product_name")));
    id.vendor = String(trimmed(first_line("/sys/class/dmi/id/sys_vendor")));
    return id;
}

PowerSupplies power_supplies(const String& folder) {
    PowerSupplies power;
    const std::string root = folder.to_utf8();
    DIR* dir = ::opendir(root.c_str());
    if (!dir)
        return power;
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string base = root + "/" + name + "/";
        const std::string type = first_line(base + "type");
        if (type == "Mains") {
            power.mains_present = true;
            power.mains_online = power.mains_online || first_line(base + "online") == "1";
        } else if (type == "Battery" && !power.battery_present && first_line(base + "present") != "0") {
            power.battery_present = true;
            power.battery_status = String(first_line(base + "status"));
            const std::string capacity = first_line(base + "capacity");
            if (!capacity.empty() && capacity.size() <= 3 &&
                std::all_of(capacity.begin(), capacity.end(), [](char c) { return c >= '0' && c <= '9'; }))
                power.battery_capacity = std::stoi(capacity);
        }
    }
    ::closedir(dir);
    return power;
}

int keyboard_type() {
    return 4;
}

int mouse_button_count() {
    return 3;
}

String current_directory() {
    std::string buf(4096, '\0');
    while (::getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE)
            return String();
        buf.resize(buf.size() * 2);
    }
    return String(std::string(buf.c_str()));
}

String executable_path() {
    std::string buf(4096, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0)
            return String();
        // A full buffer may have cut the path: try again with a larger one.
        if (static_cast<size_t>(n) < buf.size()) {
            buf.resize(static_cast<size_t>(n));
            return String(buf);
        }
        buf.resize(buf.size() * 2);
    }
}

String desktop_directory() {
    std::string home = home_directory();
    std::string xdg = xdg_desktop(home);
    if (!xdg.empty() && is_directory(xdg))
        return String(xdg);
    if (is_directory(home + "/Desktop"))
        return String(home + "/Desktop");
    return String(home);
}

String fonts_directory() {
    std::string local = home_directory() + "/.local/share/fonts";
    return String(is_directory(local) ? local : std::string("/usr/share/fonts"));
}

String user_name() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name)
        return String(pw->pw_name);
    if (const char* user = std::getenv("USER"); user && *user)
        return String(user);
    return String("unknown");
}

String host_name() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0)
        return String();
    return String(buf);
}

OsInfo os_info() {
    OsInfo info;
    struct utsname u {};
    if (::uname(&u) == 0) {
        std::sscanf(u.release, "%d.%d.%d", &info.major, &info.minor, &info.patch);
        info.version = String(u.version);
        info.machine = String(u.machine);
        info.system = String(u.sysname);
    }
    info.pretty_name = info.system;
    std::ifstream in("/etc/os-release");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("PRETTY_NAME=", 0) != 0)
            continue;
        std::string v = line.substr(12);
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\''))
            v = v.substr(1, v.size() - 2);
        info.pretty_name = String(v);
    }
    return info;
}

bool is_64bit_system() {
    struct utsname u {};
    if (::uname(&u) != 0)
        return sizeof(void*) == 8;
    std::string m = u.machine;
    return m.find("64") != std::string::npos || m == "s390x";
}

String display_adapter() {
    // Cards are card0, card1, ...; connectors (card0-HDMI-A-1) have no driver link.
    DIR* dir = ::opendir("/sys/class/drm");
    if (!dir)
        return String("unknown");
    std::string best;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name.rfind("card", 0) != 0 || name.find('-') != std::string::npos)
            continue;
        if (best.empty() || name < best)
            best = name;
    }
    ::closedir(dir);
    if (best.empty())
        return String("unknown");
    char target[4096] = {};
    std::string link = "/sys/class/drm/" + best + "/device/driver";
    ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0)
        return String("unknown");
    std::string path(target, static_cast<size_t>(n));
    return String(path.substr(path.rfind('/') + 1));
}

uint32_t installed_memory_mb() {
    std::ifstream in("/proc/meminfo");
    std::string key;
    unsigned long long kb = 0;
    while (in >> key) {
        if (key == "MemTotal:") {
            in >> kb;
            return static_cast<uint32_t>(kb / 1024);
        }
        in.ignore(1 << 12, '\n');
    }
    return 0;
}

String locale_environment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* v = std::getenv(name); v && *v)
            return String(v);
    }
    return String();
}

} // namespace lum::platform
