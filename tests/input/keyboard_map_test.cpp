#include "support/input_fixture.hpp"

#include "lum/input/keyboard_map.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

using lum::Input;
using lum::test::input_sample;
using lum::test::read_bytes;
using lum::test::TempWorkingFolder;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

using Bindings = std::map<int, uint32_t>;

constexpr uint32_t bits(std::initializer_list<int> buttons) {
    uint32_t mask = 0;
    for (int n : buttons)
        mask |= 1u << n;
    return mask;
}

// The built-in table worked out by hand: key code -> logical mask.
const Bindings DEFAULT_BINDINGS = {
    {164, bits({3})},     {1, bits({3})},       {158, bits({4})},     {4, bits({4})},
    {160, bits({1})},     {2, bits({1})},       {162, bits({2})},     {3, bits({2})},
    {172, bits({5, 11})}, {122, bits({5, 11})}, {32, bits({5, 11})},  {156, bits({6, 12})},
    {120, bits({6, 12})}, {27, bits({6, 12})},  {99, bits({7})},      {163, bits({8, 14})},
    {97, bits({8, 14})},  {10, bits({8, 14})},  {165, bits({9, 13})}, {115, bits({9, 13})},
    {9, bits({9, 13})},   {170, bits({10})},    {100, bits({10})},    {168, bits({17})},
    {5, bits({17})},      {167, bits({18})},    {6, bits({18})},      {157, bits({15})},
    {12, bits({15})},     {159, bits({16})},    {13, bits({16})},
};

// The bound keys; every one must serve player 0.
Bindings bound_keys(const Input& hub) {
    Bindings bound;
    for (int code = 0; code < lum::KEY_COUNT; ++code) {
        const lum::InputBinding& b = hub.key_bindings[code];
        if (b.player == lum::InputBinding::UNBOUND && b.bits == 0)
            continue;
        EXPECT_EQ(b.player, 0) << code;
        bound[code] = b.bits;
    }
    return bound;
}

struct Loaded {
    Bindings bindings;
    std::string debug_output;
};

Loaded load() {
    auto hub = std::make_unique<Input>();
    CaptureStdout();
    lum::load_keyboard_map(*hub);
    std::string out = GetCapturedStdout();
    return {bound_keys(*hub), out};
}

} // namespace

TEST(KeyboardMap, WithoutAFileTheDefaultsAreWrittenAndBound) {
    TempWorkingFolder dir;
    Loaded loaded = load();
    EXPECT_EQ(dir.save_file("keyboard.yaml"), input_sample("keyboard_default.yaml"));
    EXPECT_EQ(loaded.bindings, DEFAULT_BINDINGS);
    EXPECT_EQ(loaded.debug_output, "");
    EXPECT_EQ(dir.listing(), "Save");
}

TEST(KeyboardMap, DocumentsOfOtherWritersBindTheSameKeys) {
    for (const char* sample : {"keyboard_default.yaml", "keyboard_other_writer.yaml"}) {
        TempWorkingFolder dir;
        std::string text = input_sample(sample);
        dir.write_save_file("keyboard.yaml", text);
        EXPECT_EQ(load().bindings, DEFAULT_BINDINGS) << sample;
        EXPECT_EQ(dir.save_file("keyboard.yaml"), text) << sample;
    }
}

TEST(KeyboardMap, NamesResolveAsTheKeyTableSays) {
    const std::pair<const char*, Bindings> cases[] = {
        {"Keyboard:\n  A: [Shift]\n", {{149, bits({5})}}},
        {"Keyboard:\n  Left: [Lt]\n", {{2, bits({1})}}},
        {"Keyboard:\n  B: [x, x, Esc]\n  Cancel: [x]\n", {{120, bits({6, 12})}, {27, bits({6})}}},
        {"Keyboard:\n  Jump: [q]\n  a: [q]\n  A: [NumEqual, \"[\", shift, \"\"]\n", {}},
        {"Keyboard:\n  A: Space\n", {}},
        {"Keyboard: [A, B]\n", {}},
        {"- Keyboard\n", {}},
        {"Other:\n  A: [q]\n", {}},
        {"", DEFAULT_BINDINGS},
    };
    for (const auto& [text, expected] : cases) {
        TempWorkingFolder dir;
        dir.write_save_file("keyboard.yaml", text);
        Loaded loaded = load();
        EXPECT_EQ(loaded.bindings, expected) << text;
        EXPECT_EQ(loaded.debug_output, "") << text;
        EXPECT_EQ(dir.save_file("keyboard.yaml"), text);
    }
}

TEST(KeyboardMap, AnUnparsableDocumentBindsWhatWasRead) {
    TempWorkingFolder dir;
    std::string text = input_sample("malformed/keyboard_unclosed.yaml");
    dir.write_save_file("keyboard.yaml", text);
    Bindings bound = load().bindings;
    EXPECT_EQ(bound[120], bits({5}));
    EXPECT_EQ(bound.count(122), 0u) << "the defaults were replaced by what was read";
    EXPECT_EQ(dir.save_file("keyboard.yaml"), text);
}

TEST(KeyboardMap, DefaultsThatCannotBeWrittenAreStillBound) {
    TempWorkingFolder dir;
    // A file where the folder should be: no folder can be made, even by root.
    dir.write("Save", "not a folder\n");
    Loaded loaded = load();
    EXPECT_EQ(loaded.bindings, DEFAULT_BINDINGS);
    EXPECT_EQ(loaded.debug_output.find("cannot write '" + dir.file("Save/keyboard.yaml") + "'"), 0u)
        << loaded.debug_output;
    EXPECT_NE(loaded.debug_output.find("Not a directory; the built-in keyboard bindings are used\n"),
              std::string::npos)
        << loaded.debug_output;
    EXPECT_EQ(read_bytes(dir.file("Save")), "not a folder\n");
}

TEST(KeyboardMap, AFileThatCannotBeReadIsNotReplaced) {
    TempWorkingFolder dir;
    std::filesystem::create_directories(dir.path() / "Save" / "keyboard.yaml" / "inside");
    Loaded loaded = load();
    EXPECT_EQ(loaded.bindings, DEFAULT_BINDINGS);
    EXPECT_NE(loaded.debug_output.find("the built-in keyboard bindings are used"), std::string::npos)
        << loaded.debug_output;
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Save" / "keyboard.yaml" / "inside"));
}
