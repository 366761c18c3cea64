#include "lum/app/process/language.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace lum;

TEST(Language, LocaleIdentifiersSelectTheirRowsAndOthersFallBack) {
    EXPECT_EQ(language_for_locale_id(1041).index, 11);
    EXPECT_EQ(std::string(language_for_locale_id(1041).code), "ja_JP");
    EXPECT_EQ(std::string(language_for_locale_id(1041).english_name), "Japanese");
    EXPECT_EQ(language_for_locale_id(2057).index, 4);
    EXPECT_EQ(language_for_locale_id(1032).index, 21);
    EXPECT_EQ(language_for_locale_id(1046).index, 21);
    EXPECT_EQ(std::string(language_for_locale_id(0).code), "C");
}

TEST(Language, LocaleNamesMapThroughTheirCode) {
    EXPECT_EQ(language_for_locale_name(String("ja_JP.UTF-8")).index, 11);
    EXPECT_EQ(language_for_locale_name(String("de_DE@euro")).index, 1);
    EXPECT_EQ(language_for_locale_name(String("en_GB")).index, 4);
    // Rows that no locale identifier selects are not chosen by name either.
    EXPECT_EQ(language_for_locale_name(String("el_GR.UTF-8")).index, 21);
    EXPECT_EQ(language_for_locale_name(String("C.UTF-8")).index, 21);
    EXPECT_EQ(language_for_locale_name(String("")).index, 21);
    EXPECT_EQ(std::string(language_row(99).english_name), "C Language");
}
