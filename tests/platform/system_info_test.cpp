#include "lum/platform/system_info.hpp"

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

using namespace lum::platform;

namespace {

using Leaf = std::pair<uint32_t, uint32_t>;

// A processor that answers CPUID from a table; unlisted leaves read as zeros.
// It also notes every leaf asked, to catch questions beyond the maximum.
struct FakeCpu {
    std::map<Leaf, CpuidRegisters> answers;
    std::set<uint32_t> asked;

    CpuidQuery query() {
        return [this](uint32_t leaf, uint32_t sub) {
            asked.insert(leaf);
            auto it = answers.find({leaf, sub});
            return it == answers.end() ? CpuidRegisters{} : it->second;
        };
    }
    // Puts 12 (vendor) or 48 (brand) characters into registers, four per register, low byte first.
    static uint32_t word(const std::string& text, size_t at) {
        uint32_t w = 0;
        for (size_t i = 0; i < 4; ++i)
            w |= static_cast<uint32_t>(static_cast<unsigned char>(at + i < text.size() ? text[at + i] : 0))
                 << (8 * i);
        return w;
    }
    void vendor(uint32_t max_basic, const std::string& name) {
        answers[{0, 0}] = {max_basic, word(name, 0), word(name, 8), word(name, 4)};
    }
    void brand(const std::string& name) {
        for (uint32_t i = 0; i < 3; ++i)
            answers[{0x80000002 + i, 0}] = {word(name, 16 * i), word(name, 16 * i + 4),
                                            word(name, 16 * i + 8), word(name, 16 * i + 12)};
    }
};

// Leaf-4 style cache record: type 1 data, 2 code, 3 unified.
CpuidRegisters cache(uint32_t type, uint32_t level, uint32_t ways, uint32_t line, uint32_t sets) {
    return {type | (level << 5), ((ways - 1) << 22) | (line - 1), sets - 1, 0};
}

TEST(Cpuid, IntelCoreI7_8700DecodesSignatureTopologyCachesAndFlags) {
    FakeCpu cpu;
    cpu.vendor(0x16, "GenuineIntel");
    // Signature 0x906EA: family 6, model 0x9E (158), stepping 10.
    cpu.answers[{1, 0}] = {0x000906EA, 0x00100800, (1u << 0) | (1u << 19) | (1u << 20) | (1u << 28),
                           (1u << 23) | (1u << 25) | (1u << 26) | (1u << 28)};
    cpu.answers[{7, 0}] = {0, 1u << 5, 0, 0};
    // Topology: two threads per core, twelve logical processors at the core level.
    cpu.answers[{0xB, 0}] = {1, 2, 0x100, 0};
    cpu.answers[{0xB, 1}] = {4, 12, 0x201, 0};
    // 32 KB = 8 ways x 64 B x 64 sets; 256 KB = 4 x 64 x 1024; 12 MB = 16 x 64 x 12288.
    cpu.answers[{4, 0}] = cache(1, 1, 8, 64, 64);
    cpu.answers[{4, 1}] = cache(2, 1, 8, 64, 64);
    cpu.answers[{4, 2}] = cache(3, 2, 4, 64, 1024);
    cpu.answers[{4, 3}] = cache(3, 3, 16, 64, 12288);
    cpu.answers[{0x80000000, 0}] = {0x80000008, 0, 0, 0};
    cpu.answers[{0x80000001, 0}] = {0, 0, 1u << 0, 1u << 29};
    cpu.brand("        Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");

    const ProcessorInfo info = decode_cpuid(cpu.query());
    EXPECT_EQ(info.vendor, lum::String("GenuineIntel"));
    EXPECT_EQ(info.brand, lum::String("Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz"));
    EXPECT_EQ(info.family, 6);
    EXPECT_EQ(info.model, 158);
    EXPECT_EQ(info.stepping, 10);
    EXPECT_EQ(info.logical_cores, 12);
    EXPECT_EQ(info.l1_data_kb, 32);
    EXPECT_EQ(info.l1_code_kb, 32);
    EXPECT_EQ(info.l2_kb, 256);
    EXPECT_EQ(info.l3_kb, 12288);
    EXPECT_EQ(info.features,
              CPU_MMX | CPU_SSE | CPU_SSE2 | CPU_HTT | CPU_SSE3 | CPU_SSE41 | CPU_SSE42 | CPU_AVX | CPU_AVX2);
}

TEST(Cpuid, AmdZenUsesExtendedFamilyThreadCountAndTopologyCacheLeaves) {
    FakeCpu cpu;
    cpu.vendor(0xD, "AuthenticAMD");
    // Signature 0xA00F11: base family 15 + extended 10 = 25, model 1, stepping 1.
    cpu.answers[{1, 0}] = {0x00A00F11, 0x00020800, 0xFFFA3203, 0x178BFBFF};
    cpu.answers[{7, 0}] = {0, 0x219C07AB, 0, 0};
    cpu.answers[{0x80000000, 0}] = {0x80000021, 0, 0, 0};
    cpu.answers[{0x80000001, 0}] = {0, 0, 0x004003F3, 0x2FD3FBFF};
    cpu.answers[{0x80000008, 0}] = {0, 0, 0x7001, 0};
    cpu.answers[{0x8000001D, 0}] = {0x121, 0x01C0003F, 0x3F, 0};
    cpu.answers[{0x8000001D, 1}] = {0x122, 0x01C0003F, 0x3F, 0};
    cpu.answers[{0x8000001D, 2}] = {0x143, 0x01C0003F, 0x3FF, 0};
    cpu.answers[{0x8000001D, 3}] = {0x4163, 0x03C0003F, 0x7FFF, 0};
    // The older leaves would say L3 = 512 x 512 KB: the topology leaves win.
    cpu.answers[{0x80000006, 0}] = {0, 0, 0x02006140, 0x08009140};
    cpu.brand("AMD EPYC");

    const ProcessorInfo info = decode_cpuid(cpu.query());
    EXPECT_EQ(info.brand, lum::String("AMD EPYC"));
    EXPECT_EQ(info.family, 25);
    EXPECT_EQ(info.model, 1);
    EXPECT_EQ(info.stepping, 1);
    EXPECT_EQ(info.logical_cores, 2);
    EXPECT_EQ(info.l1_data_kb, 32);
    EXPECT_EQ(info.l1_code_kb, 32);
    EXPECT_EQ(info.l2_kb, 512);
    EXPECT_EQ(info.l3_kb, 32768);
    EXPECT_EQ(info.features, CPU_MMX | CPU_SSE | CPU_SSE2 | CPU_HTT | CPU_SSE3 | CPU_SSE41 | CPU_SSE42 |
                                 CPU_AVX | CPU_AVX2 | CPU_SSE4A | CPU_MMX_EXT);
}

TEST(Cpuid, OldAthlonReadsLegacyCacheLeavesAnd3DNowFlags) {
    FakeCpu cpu;
    cpu.vendor(1, "AuthenticAMD");
    cpu.answers[{1, 0}] = {0x00000662, 0, 0, (1u << 23) | (1u << 25)};
    cpu.answers[{0x80000000, 0}] = {0x80000006, 0, 0, 0};
    cpu.answers[{0x80000001, 0}] = {0, 0, 0, (1u << 22) | (1u << 30) | (1u << 31)};
    cpu.answers[{0x80000005, 0}] = {0, 0, 64u << 24, 64u << 24};
    cpu.answers[{0x80000006, 0}] = {0, 0, 256u << 16, 0};

    const ProcessorInfo info = decode_cpuid(cpu.query());
    EXPECT_EQ(info.family, 6);
    EXPECT_EQ(info.model, 6);
    EXPECT_EQ(info.stepping, 2);
    EXPECT_EQ(info.logical_cores, 1);
    EXPECT_EQ(info.l1_data_kb, 64);
    EXPECT_EQ(info.l1_code_kb, 64);
    EXPECT_EQ(info.l2_kb, 256);
    EXPECT_EQ(info.l3_kb, 0);
    EXPECT_EQ(info.features, CPU_MMX | CPU_SSE | CPU_MMX_EXT | CPU_3DNOW_EXT | CPU_3DNOW);
    EXPECT_EQ(info.brand, lum::String(""));
    for (uint32_t leaf : cpu.asked)
        EXPECT_TRUE(leaf <= 1 || (leaf >= 0x80000000 && leaf <= 0x80000006)) << std::hex << leaf;
}

TEST(Cpuid, ProcessorWithOnlyLeafZeroGivesZerosAndOneCore) {
    FakeCpu cpu;
    cpu.vendor(0, "GenuineIntel");
    const ProcessorInfo info = decode_cpuid(cpu.query());
    EXPECT_EQ(info.features, 0u);
    EXPECT_EQ(info.family, 0);
    EXPECT_EQ(info.logical_cores, 1);
    EXPECT_EQ(info.l2_kb, 0);
    EXPECT_EQ(cpu.asked, (std::set<uint32_t>{0, 0x80000000}));
}

TEST(CpuInfo, BrandComesFromTheFirstKnownKeyInOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"processor\t: 0\nmodel name\t: AMD EPYC\nflags\t: fpu\n", "AMD EPYC"},
        {"Processor\t: ARMv7 Processor rev 4 (v7l)\nmodel name\t: ARMv7 Processor rev 4 (v7l) r2\n",
         "ARMv7 Processor rev 4 (v7l) r2"},
        {"Processor\t: ARMv7 Processor rev 4 (v7l)\nBogoMIPS\t: 38.40\n", "ARMv7 Processor rev 4 (v7l)"},
        {"system type\t\t: MT7621\ncpu model\t\t: MIPS 1004Kc V2.15\n", "MIPS 1004Kc V2.15"},
        {"processor\t: 0\ncpu\t\t: POWER9 (raw), altivec supported\n", "POWER9 (raw), altivec supported"},
        {"processor\t: 0\nCPU implementer\t: 0x41\nCPU part\t: 0xd0c\n", ""},
        {"model name\t:   \ncpu\t: fallback\n", "fallback"},
    };
    for (const auto& [text, brand] : cases)
        EXPECT_EQ(cpuinfo_brand(text), lum::String(brand)) << text;
}

TEST(PowerSupplies, MainsAndTheFirstPresentBatteryAreRead) {
    lum::test::TempFolder root;
    auto supply = [&](const std::string& name, std::map<std::string, std::string> files) {
        std::filesystem::create_directory(root.path() / name);
        for (const auto& [file, text] : files)
            root.write(name + "/" + file, text + "\n");
    };
    supply("AC", {{"type", "Mains"}, {"online", "0"}});
    supply("BAT0", {{"type", "Battery"}, {"present", "1"}, {"status", "Discharging"}, {"capacity", "20"}});
    supply("hidpp_battery_0", {{"type", "Battery"}, {"present", "0"}, {"status", "Full"}});
    supply("ucsi-source-psy-USBC000:001", {{"type", "USB"}, {"online", "1"}});

    const PowerSupplies power = power_supplies(lum::String(root.path().string()));
    EXPECT_TRUE(power.mains_present);
    EXPECT_FALSE(power.mains_online);
    EXPECT_TRUE(power.battery_present);
    EXPECT_EQ(power.battery_status, lum::String("Discharging"));
    EXPECT_EQ(power.battery_capacity, 20);

    const PowerSupplies none = power_supplies(lum::String(root.file("missing")));
    EXPECT_FALSE(none.mains_present || none.battery_present);
    EXPECT_EQ(none.battery_capacity, -1);
}

} // namespace

TEST(ExecutablePath, NamesThisTestProgramByItsFullPath) {
    const std::string path = executable_path().to_utf8();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(std::filesystem::path(path).filename(), "test_platform");
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}
