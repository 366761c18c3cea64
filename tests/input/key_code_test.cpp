#include "lum/input/key_code.hpp"

#include <gtest/gtest.h>

using lum::String;

TEST(KeyCode, NamesAndShortNamesFollowTheTable) {
    struct Case {
        int code;
        const char* name;
        const char* short_name;
    };
    const Case cases[] = {
        {0, "None", "None"},
        {1, "Up", "Up"},
        {2, "Left", "Lt"},
        {6, "PageDown", "PgDn"},
        {10, "Return", "Ret"},
        {14, "Fn", "Fn "},
        {18, "Kanji", "KJ"},
        {19, "Zenhan", "ZH"},
        {27, "Escape", "Esc"},
        {28, "Shift", "Shift"},
        {32, "Space", "Space"},
        {34, "DoubleQuote", "DoubleQuote"},
        {48, "0", "0"},
        {57, "9", "9"},
        {58, "Colon", "Colon"},
        {64, "At", "At"},
        {65, "A", "A"},
        {90, "Z", "Z"},
        {91, "OpenBracket", "OpenBracket"},
        {96, "BackQuote", "BackQuote"},
        {97, "a", "a"},
        {122, "z", "z"},
        {123, "OpenBrace", "OpenBrace"},
        {126, "Tilde", "Tilde"},
        {127, "Delete", "Del"},
        {128, "F1", "F1"},
        {147, "F20", "F20"},
        {148, "L_Shift", "Shift"},
        {149, "R_Shift", "Shift"},
        {150, "L_Control", "Ctrl"},
        {153, "R_Command", "Alt"},
        {155, "R_Option", "R_Option"},
        {156, "Num0", "Num0"},
        {165, "Num9", "Num9"},
        {166, "NumPeriod", "Num."},
        {169, "NumMul", "Num*"},
        {171, "NumEquals", "Num="},
        {172, "NumEnter", "NumE"},
        {173, "Clear", "Clr"},
        {-1, "underflow", "underflow"},
        {174, "overflow", "overflow"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lum::key_name(c.code).to_utf8(), c.name) << c.code;
        EXPECT_EQ(lum::key_short_name(c.code).to_utf8(), c.short_name) << c.code;
    }
}

TEST(KeyCode, NamesResolveExactlyAndSharedOnesToTheLastCode) {
    const std::pair<const char*, int> cases[] = {
        {"Shift", 149}, {"Ctrl", 151},    {"Alt", 153},     {"Up", 1},         {"Lt", 2},
        {"Left", 2},    {"Fn ", 14},      {"Fn", 14},       {"a", 97},         {"A", 65},
        {"7", 55},      {"Num7", 163},    {"NumE", 172},    {"NumEnter", 172}, {"Escape", 27},
        {"Esc", 27},    {"R_Shift", 149}, {"L_Shift", 148}, {"NumEqual", 0},   {"[", 0},
        {"]", 0},       {"shift", 0},     {"", 0},          {"None", 0},       {"overflow", 0},
    };
    for (const auto& [name, code] : cases)
        EXPECT_EQ(lum::key_code_from_name(String(name)), code) << '"' << name << '"';
}
