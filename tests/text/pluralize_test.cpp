#include "lum/text/pluralize.hpp"

#include <gtest/gtest.h>

namespace {

std::string plural(const char* word) {
    return lum::pluralize(word).to_utf8();
}

TEST(Pluralize, RegularEndings) {
    EXPECT_EQ(plural("core"), "cores");
    EXPECT_EQ(plural("box"), "boxes");
    EXPECT_EQ(plural("bus"), "buses");
    EXPECT_EQ(plural("church"), "churches");
    EXPECT_EQ(plural("dish"), "dishes");
    EXPECT_EQ(plural("bath"), "baths");
    EXPECT_EQ(plural("city"), "cities");
    EXPECT_EQ(plural("day"), "days");
    EXPECT_EQ(plural("hero"), "heroes");
    EXPECT_EQ(plural("radio"), "radios");
    EXPECT_EQ(plural("leaf"), "leaves");
    EXPECT_EQ(plural("cliff"), "cliffs");
    EXPECT_EQ(plural("Joypad"), "Joypads");
    EXPECT_EQ(plural("x"), "xes");
}

TEST(Pluralize, UncountablesAndIrregulars) {
    EXPECT_EQ(plural("sheep"), "sheep");
    EXPECT_EQ(plural("fish"), "fish");
    EXPECT_EQ(plural("woodcock"), "woodcock");
    EXPECT_EQ(plural("axis"), "axes");
    EXPECT_EQ(plural("index"), "indices");
    EXPECT_EQ(plural("die"), "dice");
    EXPECT_EQ(plural("AXIS"), "AXES");
    EXPECT_EQ(plural("INDEX"), "INDICES");
    EXPECT_EQ(plural("DIE"), "DICE");
}

TEST(Pluralize, UpperCaseWordsGetUpperCaseEndings) {
    EXPECT_EQ(plural("JOYPAD"), "JOYPADS");
    EXPECT_EQ(plural("BOX"), "BOXES");
    EXPECT_EQ(plural("CHURCH"), "CHURCHES");
    EXPECT_EQ(plural("CITY"), "CITIES");
    EXPECT_EQ(plural("DAY"), "DAYS");
    EXPECT_EQ(plural("HERO"), "HEROES");
    EXPECT_EQ(plural("LEAF"), "LEAVES");
    // Accented capitals count as upper case; a word without letters has no lower case.
    EXPECT_EQ(plural("ÉTÉ"), "ÉTÉS");
    EXPECT_EQ(plural("été"), "étés");
    EXPECT_EQ(plural("MP3"), "MP3S");
}

TEST(Pluralize, EmptyWordStaysEmpty) {
    EXPECT_EQ(plural(""), "");
}

} // namespace
