#include "data/var_dump.hpp"
#include "lum/data/var.hpp"
#include "support/samples.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using lum::String;
using lum::Value;
using lum::Var;
using lum::test::dump;
using lum::test::input_sample;

namespace {

// The keyboard defaults, entered in the order of their table.
Var keyboard_defaults() {
    const std::vector<std::pair<const char*, std::vector<const char*>>> table = {
        {"Up", {"Num8", "Up"}},
        {"Down", {"Num2", "Down"}},
        {"Left", {"Num4", "Left"}},
        {"Right", {"Num6", "Right"}},
        {"A", {"NumEnter", "z", "Space"}},
        {"Ok", {"NumEnter", "z", "Space"}},
        {"B", {"Num0", "x", "Escape"}},
        {"Cancel", {"Num0", "x", "Escape"}},
        {"C", {"NumEqual", "c"}},
        {"X", {"Num7", "a", "Return"}},
        {"Menu", {"Num7", "a", "Return"}},
        {"Y", {"Num9", "s", "Tab"}},
        {"Change", {"Num9", "s", "Tab"}},
        {"Z", {"NumDiv", "d"}},
        {"Prev", {"NumSub", "[", "PageUp"}},
        {"Next", {"NumAdd", "]", "PageDown"}},
        {"Start", {"Num1", "Home"}},
        {"Select", {"Num3", "End"}},
    };
    Var doc;
    Var& keyboard = doc["Keyboard"];
    keyboard.make_hash();
    for (const auto& [name, keys] : table) {
        Var& list = keyboard[name];
        for (const char* key : keys)
            list[list.count()].set_string(key);
    }
    return doc;
}

std::string block(const Var& v) {
    return v.block_form(0);
}

std::string scalar_line(const Value& value) {
    return Var(value).block_form(0);
}

} // namespace

TEST(YamlWrite, TheKeyboardDefaultsComeOutAsTheirPublishedListing) {
    EXPECT_EQ(block(keyboard_defaults()), input_sample("keyboard_default.yaml"));
}

TEST(YamlWrite, AJoypadDocumentComesOutAsItsPublishedListing) {
    // Joypad 0 with its twelve buttons on inputs 0 to 5, 8, 9 and 12 to 15,
    // appended as integers the way the joypad map saves them.
    const std::vector<std::pair<const char*, int>> bindings = {
        {"Y", 0},      {"B", 1},     {"A", 2},     {"X", 3},      {"Prev", 4}, {"Next", 5},
        {"Select", 8}, {"Start", 9}, {"Left", 12}, {"Right", 13}, {"Up", 14},  {"Down", 15},
    };
    Var doc;
    for (const auto& [name, input] : bindings) {
        Var& list = doc["Joypad0"][name];
        list[list.count()] = Value(input);
    }
    EXPECT_EQ(block(doc), input_sample("joypad0.yaml"));
}

TEST(YamlWrite, ScalarsAreBareOnlyWhenAsciiLettersAndDigits) {
    EXPECT_EQ(scalar_line("abcXYZ019"), "abcXYZ019\n");
    EXPECT_EQ(scalar_line("a/b"), "\"a/b\"\n");
    EXPECT_EQ(scalar_line("a b"), "\"a b\"\n");
    EXPECT_EQ(scalar_line("a_b"), "\"a_b\"\n");
    EXPECT_EQ(scalar_line("é"), "\"é\"\n");
    EXPECT_EQ(scalar_line("日本語"), "\"日本語\"\n");
    EXPECT_EQ(scalar_line("key: value # not a comment"), "\"key: value # not a comment\"\n");
    EXPECT_EQ(scalar_line(""), "\n");
    EXPECT_EQ(scalar_line(Value()), "\n");
    // Other types write their text unquoted.
    EXPECT_EQ(scalar_line(-5), "-5\n");
    EXPECT_EQ(scalar_line(2.5), "2.5\n");
    EXPECT_EQ(scalar_line(true), "true\n");
    int32_t bound = 42;
    EXPECT_EQ(scalar_line(Value(&bound)), "42\n");
    String words("two words");
    EXPECT_EQ(scalar_line(Value(&words)), "two words\n");
    EXPECT_EQ(Var(Value("a b")).quoted_form().to_utf8(), "\"a b\"");
    EXPECT_EQ(Var(Value("ab")).quoted_form().to_utf8(), "ab");
}

TEST(YamlWrite, HashesAndListsNestTwoSpacesPerLevel) {
    Var h;
    h["b"].set_string("1");
    h["a"].set_string("x y");
    EXPECT_EQ(block(h), "a: \"x y\"\nb: 1\n");

    Var l;
    l["k"][0].set_string("first");
    l["k"][1].set_string("second");
    EXPECT_EQ(block(l), "k: \n  - first\n  - second\n");

    // Unwritten indices of a sparse list are empty scalars.
    Var sparse;
    sparse[2].set_string("x");
    EXPECT_EQ(block(sparse), "- \n- \n- x\n");

    Var nested;
    nested[0][0].set_string("a");
    nested[0][1]["k"].set_string("v");
    nested[1].set_string("b");
    EXPECT_EQ(block(nested), "- \n  - a\n  - \n    k: v\n- b\n");

    // A deeper start indents everything; print_r uses the same text.
    Var inner;
    inner["x"][0].set_string("1");
    EXPECT_EQ(inner.block_form(2), "\n    x: \n      - 1\n");
}

TEST(YamlWrite, TextThatNeedsEscapesIsQuotedWithYamlEscapes) {
    EXPECT_EQ(scalar_line("say \"hi\""), "\"say \\\"hi\\\"\"\n");
    EXPECT_EQ(scalar_line("C:\\dir"), "\"C:\\\\dir\"\n");
    EXPECT_EQ(scalar_line("a\tb"), "\"a\\tb\"\n");
    EXPECT_EQ(scalar_line("two\nlines\r\n"), "\"two\\nlines\\r\\n\"\n");
    EXPECT_EQ(scalar_line(String(u"\x01\x1b\x7f\u0085\u009f", 5)), "\"\\x01\\x1B\\x7F\\x85\\x9F\"\n");
    EXPECT_EQ(scalar_line(String(u"\0z", 2)), "\"\\x00z\"\n");
    EXPECT_EQ(scalar_line(String(u"\u2028\u2029\uFEFF\uFFFE\uFFFF")),
              "\"\\u2028\\u2029\\uFEFF\\uFFFE\\uFFFF\"\n");
    // A surrogate pair is one four-byte character; a lone surrogate cannot be
    // held by YAML and becomes U+FFFD.
    EXPECT_EQ(scalar_line(String(u"\U0001F600")), "\"\xF0\x9F\x98\x80\"\n");
    EXPECT_EQ(scalar_line(String(u"a\xD800", 2)), "\"a\xEF\xBF\xBD\"\n");
    // Bound text that would not read back bare is quoted the same way.
    String bound("a: b");
    EXPECT_EQ(scalar_line(Value(&bound)), "\"a: b\"\n");
}

TEST(YamlWrite, KeysAreBareUnlessTheyWouldReadBackDifferently) {
    auto key_line = [](const String& key) {
        Var v;
        v[key].set_string("v");
        return v.block_form(0);
    };
    EXPECT_EQ(key_line("Keyboard"), "Keyboard: v\n");
    EXPECT_EQ(key_line("two words"), "two words: v\n");
    EXPECT_EQ(key_line("x-y_z.w/1"), "x-y_z.w/1: v\n");
    EXPECT_EQ(key_line("a:b"), "a:b: v\n");
    EXPECT_EQ(key_line("日本"), "日本: v\n");
    EXPECT_EQ(key_line(""), "\"\": v\n");
    EXPECT_EQ(key_line("a: b"), "\"a: b\": v\n");
    EXPECT_EQ(key_line("a:"), "\"a:\": v\n");
    EXPECT_EQ(key_line("a #b"), "\"a #b\": v\n");
    EXPECT_EQ(key_line(" lead"), "\" lead\": v\n");
    EXPECT_EQ(key_line("trail "), "\"trail \": v\n");
    EXPECT_EQ(key_line("tab\t"), "\"tab\\t\": v\n");
    EXPECT_EQ(key_line("q\""), "\"q\\\"\": v\n");
    for (const char* indicator :
         {"-", "?", ":", ",", "[", "]", "{", "}", "#", "&", "*", "!", "|", ">", "'", "%", "@", "`"}) {
        std::string key = std::string(indicator) + "k";
        EXPECT_EQ(key_line(String(key)), "\"" + key + "\": v\n") << key;
    }
    EXPECT_EQ(key_line("---"), "\"---\": v\n");
    EXPECT_EQ(key_line("..."), "\"...\": v\n");

    // A key too long for a YAML simple key becomes an explicit one.
    std::string long_key(1200, 'k');
    Var v;
    v["outer"][String(long_key)][0].set_string("x");
    EXPECT_EQ(block(v), "outer: \n  ? " + long_key + "\n  : \n    - x\n");
}

TEST(YamlWrite, EmptyCollectionsInsideADocumentAreWrittenAsFlowMarks) {
    Var v;
    v["hash"].make_hash();
    v["list"].make_list();
    v["items"][0].make_hash();
    v["items"][1].make_list();
    EXPECT_EQ(block(v), "hash: {}\nitems: \n  - {}\n  - []\nlist: []\n");
    // A whole document that is empty writes nothing.
    Var empty;
    empty.make_hash();
    EXPECT_EQ(block(empty), "");
    empty.make_list();
    EXPECT_EQ(block(empty), "");
}
