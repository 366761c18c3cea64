#include "lum/input/logical_button.hpp"

#include <gtest/gtest.h>

using lum::String;

TEST(LogicalButton, EveryTableNameGivesItsNumberAndBack) {
    const char* names[] = {"Left", "Right", "Up",     "Down",   "A",    "B",     "C",      "X",    "Y",
                           "Z",    "Ok",    "Cancel", "Change", "Menu", "Start", "Select", "Prev", "Next"};
    for (int n = 1; n <= 18; ++n) {
        EXPECT_EQ(lum::logical_button_from_name(String(names[n - 1])), n) << names[n - 1];
        EXPECT_STREQ(lum::logical_button_name(n), names[n - 1]);
    }
}

TEST(LogicalButton, OtherTextsAreNone) {
    for (const char* text : {"", "left", "LEFT", " Left", "Left ", "None", "0", "5", "Joypad0", "Jump"})
        EXPECT_EQ(lum::logical_button_from_name(String(text)), 0) << '"' << text << '"';
    for (int n : {-1, 0, 19, 21})
        EXPECT_STREQ(lum::logical_button_name(n), "") << n;
}
