#include "support/input_fixture.hpp"

#include "lum/data/path.hpp"
#include "lum/error/exception.hpp"
#include "lum/input/joypad_map.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

using lum::Input;
using lum::test::input_sample;
using lum::test::read_bytes;
using lum::test::ScriptedPlatform;
using lum::test::TempWorkingFolder;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

constexpr uint32_t bit(int n) {
    return 1u << n;
}

// The saved example: input -> logical button of joypad 0.
const std::vector<std::pair<int, int>> EXAMPLE = {
    {0, lum::BUTTON_Y},     {1, lum::BUTTON_B},      {2, lum::BUTTON_A},      {3, lum::BUTTON_X},
    {4, lum::BUTTON_PREV},  {5, lum::BUTTON_NEXT},   {8, lum::BUTTON_SELECT}, {9, lum::BUTTON_START},
    {12, lum::BUTTON_LEFT}, {13, lum::BUTTON_RIGHT}, {14, lum::BUTTON_UP},    {15, lum::BUTTON_DOWN}};

// The 40 masks of one joypad.
std::vector<uint32_t> masks(const lum::JoypadState& pad) {
    std::vector<uint32_t> out;
    for (const lum::InputBinding& b : pad.bindings)
        out.push_back(b.bits);
    return out;
}

std::vector<uint32_t> example_masks() {
    std::vector<uint32_t> out(40, 0);
    for (const auto& [input, button] : EXAMPLE)
        out[input] = bit(button);
    return out;
}

bool all_bound_to(const lum::JoypadState& pad, int player) {
    for (const lum::InputBinding& b : pad.bindings) {
        if (b.player != player)
            return false;
    }
    return true;
}

// Joypads with buttons at ids 0 to count - 1.
void connect_pads(ScriptedPlatform& platform, int count) {
    for (int id = 0; id < count; ++id)
        platform.backend.connect_joystick(id, "pad", 2, 16);
}

// Caps the size of files this process writes, while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }

  private:
    rlimit saved_{};
    void (*old_handler_)(int) = nullptr;
};

} // namespace

TEST(JoypadMap, TheExampleSavesByteForByteWithItsDiagnostics) {
    TempWorkingFolder dir;
    auto hub = std::make_unique<Input>();
    for (const auto& [input, button] : EXAMPLE)
        hub->joypads[0].bindings[input] = {0, bit(button)};
    CaptureStdout();
    EXPECT_TRUE(lum::save_joypad_map(*hub));
    std::string out = GetCapturedStdout();
    EXPECT_EQ(dir.save_file("joypad.yaml"), input_sample("joypad0.yaml"));
    EXPECT_EQ(out, "PHYS 0 : BITS 512\n[] Joypad0 Y 9\n"
                   "PHYS 1 : BITS 64\n[] Joypad0 B 6\n"
                   "PHYS 2 : BITS 32\n[] Joypad0 A 5\n"
                   "PHYS 3 : BITS 256\n[] Joypad0 X 8\n"
                   "PHYS 4 : BITS 131072\n[] Joypad0 Prev 17\n"
                   "PHYS 5 : BITS 262144\n[] Joypad0 Next 18\n"
                   "PHYS 8 : BITS 65536\n[] Joypad0 Select 16\n"
                   "PHYS 9 : BITS 32768\n[] Joypad0 Start 15\n"
                   "PHYS 12 : BITS 2\n[] Joypad0 Left 1\n"
                   "PHYS 13 : BITS 4\n[] Joypad0 Right 2\n"
                   "PHYS 14 : BITS 8\n[] Joypad0 Up 3\n"
                   "PHYS 15 : BITS 16\n[] Joypad0 Down 4\n");
}

TEST(JoypadMap, SavingListsAnInputUnderEachOfItsButtonsForEverySlot) {
    TempWorkingFolder dir;
    auto hub = std::make_unique<Input>();
    hub->joypad_count = 1;
    hub->joypads[0].bindings[3] = {0, bit(lum::BUTTON_A) | bit(lum::BUTTON_START)};
    hub->joypads[0].bindings[1] = {0, bit(lum::BUTTON_A)};
    // Bit 0 alone, as a name outside the table leaves it: no list.
    hub->joypads[0].bindings[7] = {0, bit(0)};
    // A slot whose joypad is not connected.
    hub->joypads[5].bindings[0] = {5, bit(lum::BUTTON_UP)};
    CaptureStdout();
    EXPECT_TRUE(lum::save_joypad_map(*hub));
    std::string out = GetCapturedStdout();
    EXPECT_EQ(dir.save_file("joypad.yaml"), "Joypad0: \n"
                                            "  A: \n"
                                            "    - 1\n"
                                            "    - 3\n"
                                            "  Start: \n"
                                            "    - 3\n"
                                            "Joypad5: \n"
                                            "  Up: \n"
                                            "    - 0\n");
    EXPECT_NE(out.find("PHYS 7 : BITS 1\nPHYS 0 : BITS 8\n[] Joypad5 Up 3\n"), std::string::npos) << out;
}

TEST(JoypadMap, DocumentsOfOtherWritersBindTheSameInputs) {
    for (const char* sample : {"joypad0.yaml", "joypad_other_writer.yaml"}) {
        ScriptedPlatform platform;
        connect_pads(platform, 1);
        TempWorkingFolder dir;
        dir.write_save_file("joypad.yaml", input_sample(sample));
        auto hub = std::make_unique<Input>();
        lum::load_joypad_map(*hub);
        ASSERT_EQ(hub->joypad_count, 1);
        EXPECT_EQ(masks(hub->joypads[0]), example_masks()) << sample;
        EXPECT_TRUE(all_bound_to(hub->joypads[0], 0)) << sample;
        // Slot 1 has no joypad: what the document lists for it waits for one.
        bool second_pad = std::string(sample) == "joypad_other_writer.yaml";
        std::vector<uint32_t> pad1(40, 0);
        if (second_pad) {
            pad1[2] = bit(lum::BUTTON_A);
            pad1[3] = bit(lum::BUTTON_A) | bit(lum::BUTTON_START);
        }
        EXPECT_EQ(masks(hub->joypads[1]), pad1) << sample;
        EXPECT_TRUE(all_bound_to(hub->joypads[1], second_pad ? 1 : lum::InputBinding::UNBOUND)) << sample;
    }
}

TEST(JoypadMap, EveryInputOfEveryRegisteredPadIsBoundToItsPlayer) {
    ScriptedPlatform platform;
    connect_pads(platform, 3);
    TempWorkingFolder dir;
    dir.write_save_file("joypad.yaml", input_sample("joypad_edges.yaml"));
    auto hub = std::make_unique<Input>();
    lum::load_joypad_map(*hub);

    std::vector<uint32_t> pad0(40, 0);
    pad0[3] = bit(lum::BUTTON_A) | bit(lum::BUTTON_START);
    pad0[39] = bit(lum::BUTTON_A);
    pad0[7] = bit(0);
    pad0[8] = bit(0);
    std::vector<uint32_t> pad2(40, 0);
    pad2[0] = bit(lum::BUTTON_UP);
    EXPECT_EQ(masks(hub->joypads[0]), pad0);
    EXPECT_EQ(masks(hub->joypads[1]), std::vector<uint32_t>(40, 0));
    EXPECT_EQ(masks(hub->joypads[2]), pad2);
    for (int p = 0; p < 3; ++p)
        EXPECT_TRUE(all_bound_to(hub->joypads[p], p)) << p;

    lum::update_input(*hub, lum::KeyboardState{}, true);
    EXPECT_EQ(hub->players_in_use, 3);
}

TEST(JoypadMap, WithoutAFileEveryPadStaysUnboundAndNothingIsWritten) {
    ScriptedPlatform platform;
    connect_pads(platform, 2);
    TempWorkingFolder dir;
    auto hub = std::make_unique<Input>();
    CaptureStdout();
    lum::load_joypad_map(*hub);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(hub->joypad_count, 2);
    for (int p = 0; p < 8; ++p) {
        EXPECT_TRUE(all_bound_to(hub->joypads[p], lum::InputBinding::UNBOUND)) << p;
        EXPECT_EQ(masks(hub->joypads[p]), std::vector<uint32_t>(40, 0)) << p;
    }
    EXPECT_EQ(dir.listing(), "");
}

TEST(JoypadMap, AnUnparsableDocumentStopsTheLoad) {
    ScriptedPlatform platform;
    connect_pads(platform, 1);
    TempWorkingFolder dir;
    dir.write_save_file("joypad.yaml", input_sample("malformed/joypad_unclosed.yaml"));
    auto hub = std::make_unique<Input>();
    EXPECT_THROW(lum::load_joypad_map(*hub), lum::DataParseException);
}

TEST(JoypadMap, AFailedSaveReturnsFalseAndKeepsTheOldFile) {
    TempWorkingFolder dir;
    const std::string old = input_sample("joypad0.yaml");
    dir.write_save_file("joypad.yaml", old);
    auto hub = std::make_unique<Input>();
    hub->joypads[2].bindings[0] = {2, bit(lum::BUTTON_A)};
    hub->joypads[2].bindings[1] = {2, bit(lum::BUTTON_A)};
    {
        // The disk fills up after a few bytes of the new document.
        FileSizeLimit limit(16);
        EXPECT_FALSE(lum::save_joypad_map(*hub));
    }
    EXPECT_EQ(dir.save_file("joypad.yaml"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Save"), {}), 1)
        << "a temporary file was left behind";
}

TEST(JoypadMap, AFailedSaveSaysWhyOnTheDebugOutput) {
    TempWorkingFolder dir;
    dir.write("Save", "not a folder\n");
    auto hub = std::make_unique<Input>();
    CaptureStdout();
    EXPECT_FALSE(lum::save_joypad_map(*hub));
    std::string out = GetCapturedStdout();
    EXPECT_EQ(out.find("cannot write '" + dir.file("Save/joypad.yaml") + "'"), 0u) << out;
    EXPECT_NE(out.find("Not a directory; the joypad bindings were not saved\n"), std::string::npos) << out;
    EXPECT_EQ(read_bytes(dir.file("Save")), "not a folder\n");
}

TEST(JoypadMap, ADevicesEntryThatIsNotAsDescribedCostsItsSlotTheIdentityAndNothingElse) {
    const std::string bindings = "Joypad0: \n  A: \n    - 2\n";
    const std::string long_name(100000, 'n');
    std::string thousand = "Devices: \n";
    for (int p = 999; p >= 0; --p)
        thousand +=
            "  Joypad" + std::to_string(p) + ": \n    GUID: g" + std::to_string(p) + "\n    Name: n\n";
    struct Case {
        std::string devices;
        std::string guid;
        std::string name;
        // The record's Axes, Buttons and Hats as read and saved again; empty
        // for a record without them, which is saved without them.
        std::string layout = {};
    };
    const Case cases[] = {
        {"Devices: 5\n", "", ""},
        {"Devices: \n  - Joypad0\n", "", ""},
        {"Devices: \n  Joypad0: [GUID, Name]\n", "", ""},
        {"Devices: \n  Joypad0: \n    Name: Pad\n", "", ""},
        {"Devices: \n  Joypad0: \n    GUID: 0300\n", "", ""},
        {"Devices: \n  Joypad0: \n    GUID: [03]\n    Name: Pad\n", "", ""},
        {"Devices: \n  Joypad0: \n    GUID: 0300\n    Name: \n      first: Pad\n", "", ""},
        {"Devices: \n  Joypad0: \n    GUID: \"\"\n    Name: Pad\n", "", ""},
        {"Devices: \n  Joypad00: \n    GUID: 0300\n    Name: Pad\n", "", ""},
        {"Devices: \n  Joypad0: \n    GUID: 0300\n    Name: \"Pad \\u00e9\"\n    Extra: 1\n", "0300",
         "Pad \xc3\xa9"},
        {"Devices: \n  Joypad0: \n    GUID: 0300\n    Name: " + long_name + "\n", "0300", long_name},
        {thousand, "g0", "n"},
        {"Devices: \n  Joypad0: \n    Axes: 2\n    Buttons: 12\n    GUID: 0300\n    Hats: 1\n    Name: Pad\n",
         "0300", "Pad", "2 12 1"},
        // A layout that is not as described is kept for the mapping to refuse.
        {"Devices: \n  Joypad0: \n    Buttons: x\n    GUID: 0300\n    Hats: 65\n    Name: Pad\n", "0300",
         "Pad", "-1 -1 65"},
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        TempWorkingFolder dir;
        dir.write_save_file("joypad.yaml", c.devices + bindings);
        auto hub = std::make_unique<Input>();
        lum::load_joypad_map(*hub);
        const std::string shown = c.devices.substr(0, 60);
        EXPECT_EQ(hub->joypads[0].guid.to_utf8(), c.guid) << shown;
        EXPECT_EQ(hub->joypads[0].name.to_utf8(), c.name) << shown;
        EXPECT_EQ(hub->joypads[0].bindings[2].bits, bit(lum::BUTTON_A)) << shown;
        EXPECT_EQ(hub->joypads[0].bindings[2].player, 0) << shown;
        auto layout_text = [](const lum::JoypadLayout& l) {
            return l.known ? std::to_string(l.axes) + " " + std::to_string(l.buttons) + " " +
                                 std::to_string(l.hats)
                           : std::string();
        };
        EXPECT_EQ(layout_text(hub->joypads[0].layout), c.layout) << shown;
        // With no pad connected, a save keeps the record and the bindings.
        ASSERT_TRUE(lum::save_joypad_map(*hub));
        lum::Var saved;
        saved.load(lum::Path(lum::JOYPAD_MAP_FILE));
        lum::JoypadIdentity again = lum::recorded_identity(saved, 0);
        EXPECT_EQ(again.guid.to_utf8(), c.guid) << shown;
        EXPECT_EQ(again.name.to_utf8(), c.name) << shown;
        EXPECT_EQ(layout_text(again.layout), c.layout) << shown;
        const lum::Var& devices = saved["Devices"];
        EXPECT_EQ(devices["Joypad0"].has("Axes"), !c.layout.empty()) << shown;
        EXPECT_EQ(saved["Joypad0"]["A"][0].to_int64(), 2) << shown;
        EXPECT_EQ(saved["Devices"].hash().size(), c.guid == "g0" ? 8u : c.guid.empty() ? 0u : 1u) << shown;
    }
}
