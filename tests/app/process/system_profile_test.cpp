#include "lum/app/boot/library_step.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/graphics/renderer.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

using namespace lum;

namespace {

std::string first_line_of(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// The value of the first "key : value" line of /proc/cpuinfo; empty when absent.
std::string cpuinfo_value(const std::string& key) {
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line)) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos || line.substr(0, line.find_first_of("\t:")) != key)
            continue;
        const size_t start = line.find_first_not_of(' ', colon + 1);
        return start == std::string::npos ? "" : line.substr(start);
    }
    return "";
}

TEST(SystemProfile, NamesOfDeviceKindsAndLayouts) {
    const std::map<int, const char*> kinds = {
        {0, "Unknown Device"}, {1, "Mac"},      {5, "iPad"},       {6, "Windows PC"},
        {7, "Windows Note"},   {8, "Linux PC"}, {9, "Linux Note"}, {10, "Unknown Device"}};
    for (const auto& [kind, name] : kinds)
        EXPECT_EQ(device_kind_name(kind), String(name)) << kind;
    const std::map<int, const char*> layouts = {
        {0, "<ERROR>"}, {1, "US"}, {2, "ISO"}, {3, "JIS"}, {4, "<ERROR>"}};
    for (const auto& [layout, name] : layouts)
        EXPECT_EQ(keyboard_layout_name(layout), String(name)) << layout;
}

TEST(SystemProfile, VirtualMachineIsTheFirstKnownNameInProductThenVendor) {
    struct Case {
        const char* product;
        const char* vendor;
        int32_t kind;
    } cases[] = {
        {"VirtualBox", "innotek GmbH", VIRTUALBOX},
        {"VMware Virtual Platform", "VMware, Inc.", VMWARE},
        {"Windows Virtual PC", "", VIRTUAL_PC},
        {"Standard PC (Q35 + ICH9, 2009)", "QEMU", NO_VIRTUAL_MACHINE},
        {"Virtual Machine", "Microsoft Corporation", NO_VIRTUAL_MACHINE},
        {"Custom", "VMware, Inc.", VMWARE},
        {"VMware on VirtualBox", "", VIRTUALBOX},
        {"", "", NO_VIRTUAL_MACHINE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(virtual_machine_kind({String(c.product), String(c.vendor)}), c.kind) << c.product;
}

TEST(SystemProfile, PowerSuppliesGiveDeviceKindMainsAndBattery) {
    struct Case {
        platform::PowerSupplies power;
        int32_t kind, line, battery;
    } cases[] = {
        {{false, false, false, String(), -1}, LINUX_PC, 1, 0},
        {{true, true, false, String(), -1}, LINUX_PC, 1, 0},
        {{true, false, true, String("Discharging"), 20}, LINUX_NOTE, 0, 2},
        {{true, true, true, String("Charging"), 90}, LINUX_NOTE, 1, 4},
        {{false, false, true, String("Discharging"), 4}, LINUX_NOTE, 1, 3},
        {{false, false, true, String("Discharging"), 5}, LINUX_NOTE, 1, 2},
        {{false, false, true, String("Discharging"), 32}, LINUX_NOTE, 1, 2},
        {{false, false, true, String("Full"), 66}, LINUX_NOTE, 1, 0},
        {{false, false, true, String("Full"), 67}, LINUX_NOTE, 1, 1},
        {{false, false, true, String("Unknown"), -1}, LINUX_NOTE, 1, 0},
    };
    for (const Case& c : cases) {
        SystemProfile p;
        set_power_facts(p, c.power);
        EXPECT_EQ(p.device_kind, c.kind) << c.power.battery_capacity;
        EXPECT_EQ(p.power_line, c.line) << c.power.battery_capacity;
        EXPECT_EQ(p.battery, c.battery) << c.power.battery_capacity;
    }
}

TEST(SystemProfile, KeyboardTypeSetsFunctionKeysAndLayout) {
    struct Case {
        int type, function_keys, layout;
    } cases[] = {
        {1, 10, LAYOUT_US}, {2, 12, LAYOUT_US}, {3, 10, LAYOUT_US}, {4, 12, LAYOUT_US}, {7, 12, LAYOUT_JIS}};
    for (const Case& c : cases) {
        SystemProfile p;
        p.numeric_keypad = true;
        set_keyboard_facts(p, c.type);
        EXPECT_EQ(p.keyboard_name, String("Unknown Keyboard"));
        EXPECT_EQ(p.function_keys, c.function_keys) << c.type;
        EXPECT_EQ(p.keyboard_layout, c.layout) << c.type;
        EXPECT_FALSE(p.numeric_keypad);
    }
}

TEST(SystemProfile, MachineProbeDescribesThisKernel) {
    probe_machine();
    const SystemProfile& p = SystemProfile::instance();
    int major = 0, minor = 0, patch = 0;
    std::sscanf(first_line_of("/proc/sys/kernel/osrelease").c_str(), "%d.%d.%d", &major, &minor, &patch);
    const std::string ostype = first_line_of("/proc/sys/kernel/ostype");
    const std::string bits = sizeof(void*) == 8 ? "x64" : "x32";
    std::ostringstream build;
    build << ostype << " " << major << "." << minor << "." << patch << " "
          << first_line_of("/proc/sys/kernel/version") << " (" << bits << ")";
    EXPECT_EQ(p.build_info.to_utf8(), build.str());
    EXPECT_EQ(p.platform_text.to_utf8(), ostype + " " + bits);
    EXPECT_EQ(p.build_version.to_utf8(), std::to_string(patch));
    EXPECT_EQ(p.machine_class, String("IBM-PC/AT Compatible"));
    EXPECT_EQ(p.mouse_buttons, 3);
    EXPECT_FALSE(p.clean_boot);
    EXPECT_TRUE(p.device_kind == LINUX_PC || p.device_kind == LINUX_NOTE);
}

class LibraryStep : public testing::Test {
  protected:
    void SetUp() override {
        renderer().screen_mode = FIXED_SCALE;
        run_library_step();
    }
    void TearDown() override { renderer().screen_mode = FIXED_SCALE; }
    const SystemProfile& p = SystemProfile::instance();
};

TEST_F(LibraryStep, SetsLibrariesKeyboardScreenModeAndSystemVersion) {
    EXPECT_EQ(p.freetype_version.major, 2);
    EXPECT_EQ(p.glfw_version.major, 3);
    EXPECT_EQ(p.freeimage_version.to_utf8().substr(0, 2), "3.");
    EXPECT_EQ(renderer().screen_mode, LETTERBOX);
    EXPECT_EQ(p.keyboard_name, String("Unknown Keyboard"));
    EXPECT_EQ(p.function_keys, 12);
    EXPECT_EQ(p.keyboard_layout, LAYOUT_US);
    EXPECT_FALSE(p.numeric_keypad);

    int major = 0, minor = 0, patch = 0;
    std::sscanf(first_line_of("/proc/sys/kernel/osrelease").c_str(), "%d.%d.%d", &major, &minor, &patch);
    EXPECT_EQ(p.os_major, major);
    EXPECT_EQ(p.os_minor, minor);
    EXPECT_EQ(p.os_build, patch);
    EXPECT_EQ(p.edition, 0);
    std::ifstream release("/etc/os-release");
    std::string line;
    while (std::getline(release, line)) {
        if (line.rfind("PRETTY_NAME=\"", 0) == 0) {
            EXPECT_EQ(p.system_name.to_utf8(), line.substr(13, line.size() - 14));
        }
    }
}

#if defined(__i386__) || defined(__x86_64__)

// The processor's own name, straight from its brand-string leaves.
std::string processor_brand() {
    std::string brand;
    for (unsigned leaf = 0x80000002; leaf <= 0x80000004; ++leaf) {
        unsigned r[4] = {};
        if (!__get_cpuid(leaf, &r[0], &r[1], &r[2], &r[3]))
            return {};
        char text[17] = {};
        std::memcpy(text, r, 16);
        brand += text;
    }
    const auto first = brand.find_first_not_of(' ');
    const auto last = brand.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : brand.substr(first, last - first + 1);
}

TEST_F(LibraryStep, ProcessorFactsAgreeWithTheKernel) {
    const std::string brand = processor_brand();
    EXPECT_EQ(p.cpu_name.to_utf8(), brand);
    // A sandboxed kernel (gVisor, say) describes a processor of its own in
    // /proc/cpuinfo; the table below only holds where it names the real one.
    if (brand.empty() || brand != cpuinfo_value("model name"))
        GTEST_SKIP() << "/proc/cpuinfo does not describe this processor";
    EXPECT_EQ(std::to_string(p.cpu_family), cpuinfo_value("cpu family"));
    EXPECT_EQ(std::to_string(p.cpu_model), cpuinfo_value("model"));
    EXPECT_EQ(std::to_string(p.cpu_stepping), cpuinfo_value("stepping"));
    if (!cpuinfo_value("siblings").empty()) {
        EXPECT_EQ(std::to_string(p.cpu_logical_cores), cpuinfo_value("siblings"));
    }

    const std::string flags = " " + cpuinfo_value("flags") + " ";
    const std::pair<const char*, uint32_t> names[] = {
        {"mmx", platform::CPU_MMX},       {"sse", platform::CPU_SSE},
        {"sse2", platform::CPU_SSE2},     {"pni", platform::CPU_SSE3},
        {"sse4_1", platform::CPU_SSE41},  {"sse4_2", platform::CPU_SSE42},
        {"sse4a", platform::CPU_SSE4A},   {"avx", platform::CPU_AVX},
        {"avx2", platform::CPU_AVX2},     {"ht", platform::CPU_HTT},
        {"3dnow", platform::CPU_3DNOW},   {"3dnowext", platform::CPU_3DNOW_EXT},
        {"mmxext", platform::CPU_MMX_EXT}};
    for (const auto& [name, bit] : names) {
        const bool listed = flags.find(std::string(" ") + name + " ") != std::string::npos;
        EXPECT_EQ((p.cpu_features & bit) != 0, listed) << name;
    }

    namespace fs = std::filesystem;
    const fs::path caches = "/sys/devices/system/cpu/cpu0/cache";
    if (!fs::is_directory(caches))
        return;
    for (const auto& entry : fs::directory_iterator(caches)) {
        if (entry.path().filename().string().rfind("index", 0) != 0)
            continue;
        const std::string level = first_line_of((entry.path() / "level").string());
        const std::string type = first_line_of((entry.path() / "type").string());
        const int kb = std::stoi(first_line_of((entry.path() / "size").string()));
        const int32_t got = level == "1"   ? (type == "Data" ? p.cpu_l1_data_kb : p.cpu_l1_code_kb)
                            : level == "2" ? p.cpu_l2_kb
                                           : p.cpu_l3_kb;
        EXPECT_EQ(got, kb) << "level " << level << " " << type;
    }
}
#endif

} // namespace
