#include "data/var_dump.hpp"
#include "lum/data/var.hpp"
#include "lum/error/exception.hpp"
#include "support/samples.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using lum::DataFormat;
using lum::DataParseException;
using lum::String;
using lum::Var;
using lum::test::dump;

namespace {

// A sample as text, named by its area and name.
String sample(const std::string& name) {
    return String(lum::test::sample_bytes(name));
}

Var parsed(const String& text, DataFormat format = DataFormat::YAML) {
    Var v;
    v.parse(text, format);
    return v;
}

// The keyboard defaults as their table gives them, in the dump's notation.
const char* const KEYBOARD_DEFAULTS =
    "{Keyboard: {A: ['NumEnter', 'z', 'Space'], B: ['Num0', 'x', 'Escape'], C: ['NumEqual', 'c'], "
    "Cancel: ['Num0', 'x', 'Escape'], Change: ['Num9', 's', 'Tab'], Down: ['Num2', 'Down'], "
    "Left: ['Num4', 'Left'], Menu: ['Num7', 'a', 'Return'], Next: ['NumAdd', ']', 'PageDown'], "
    "Ok: ['NumEnter', 'z', 'Space'], Prev: ['NumSub', '[', 'PageUp'], Right: ['Num6', 'Right'], "
    "Select: ['Num3', 'End'], Start: ['Num1', 'Home'], Up: ['Num8', 'Up'], X: ['Num7', 'a', 'Return'], "
    "Y: ['Num9', 's', 'Tab'], Z: ['NumDiv', 'd']}}";

// units with every surrogate pair as U+3013, as the text layer reads any
// character above U+FFFF.
std::u16string narrowed(const std::u16string& units) {
    std::u16string out;
    for (size_t i = 0; i < units.size(); ++i) {
        bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size() &&
                    units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        out += pair ? u'\u3013' : units[i];
        i += pair ? 1 : 0;
    }
    return out;
}

std::string nested_lists(int depth) {
    return std::string(static_cast<size_t>(depth), '[') + "x" + std::string(static_cast<size_t>(depth), ']');
}

} // namespace

TEST(YamlRead, DocumentsFromOtherWritersReadIntoTheSameVar) {
    for (const char* name :
         {"input/keyboard_default.yaml", "data/keyboard_crlf.yaml", "data/keyboard_other_writer.yaml"}) {
        String text = sample(name);
        EXPECT_EQ(Var::detect_format(text), DataFormat::YAML) << name;
        Var v;
        v.parse(text);
        EXPECT_EQ(dump(v), KEYBOARD_DEFAULTS) << name;
    }
}

TEST(YamlRead, EveryScalarStyleReadsAsText) {
    Var v = parsed(sample("data/mixed_styles.yaml"));
    EXPECT_EQ(dump(v["plain"]), "'hello world'");
    EXPECT_EQ(v["number"].to_int64(), 12);
    EXPECT_EQ(dump(v["null value"]), "'~'");
    EXPECT_EQ(dump(v["empty"]), "''");
    EXPECT_EQ(dump(v["single"]), "'it's'");
    EXPECT_EQ(dump(v["double"]), "'tab\there \u00e9 A'");
    EXPECT_EQ(dump(v["literal"]), "'line one\nline two\n'");
    EXPECT_EQ(dump(v["folded"]), "'folded text\n'");
    EXPECT_EQ(dump(v["quoted: key"]), "'1'");
    EXPECT_EQ(dump(v["explicit key"]), "'explicit value'");
    EXPECT_EQ(dump(v["nested"]), "{a: ['1', {b: 'c'}], d: []}");
    EXPECT_EQ(v.hash().size(), 13u);
}

TEST(YamlRead, AMappingWithAScalarAndAFlowListGivesAStringAndAList) {
    Var v = parsed("name: pad\nitems: [1, two]\n");
    EXPECT_EQ(dump(v), "{items: ['1', 'two'], name: 'pad'}");
    EXPECT_EQ(v["items"].count(), 2);
    // A lone scalar document sets the root itself.
    EXPECT_EQ(dump(parsed("just text")), "'just text'");
    EXPECT_EQ(dump(parsed("- a\n- - b\n  - c\n-\n")), "['a', ['b', 'c'], '']");
    // Only the first document of a stream is read.
    EXPECT_EQ(dump(parsed("a: 1\n---\nb: 2\n")), "{a: '1'}");
    EXPECT_EQ(dump(parsed("--- [x]\n--- [y]\n")), "['x']");
}

TEST(YamlRead, ShapingTheRootReplacesWhatWasThereAndAnEmptyTextKeepsIt) {
    Var v;
    v["default"].set_string("kept?");
    Var copy = v;
    copy.parse("");
    EXPECT_EQ(dump(copy), "{default: 'kept?'}");
    copy.parse("# only a comment\n");
    EXPECT_EQ(dump(copy), "{default: 'kept?'}");
    v.parse("other: 1\n");
    EXPECT_EQ(dump(v), "{other: '1'}");
    v.parse("[1]", DataFormat::YAML);
    EXPECT_EQ(dump(v), "['1']");
}

TEST(YamlRead, AliasesAndCollectionKeysNeverShiftKeysAndValues) {
    // An alias gives nothing: as a value its member stays null, as a key its
    // member is skipped; either way the members after it stay in place.
    EXPECT_EQ(dump(parsed("a: &x 1\nb: *x\nc: 3\n")), "{a: '1', b: ~, c: '3'}");
    EXPECT_EQ(dump(parsed("base: &k key\n*k : 5\nd: 4\n")), "{base: 'key', d: '4'}");
    EXPECT_EQ(dump(parsed("- &a x\n- *a\n- y\n")), "['x', 'y']");
    // A collection in key position is skipped with its value.
    EXPECT_EQ(dump(parsed("? [a, b]\n: v\nc: d\n")), "{c: 'd'}");
    EXPECT_EQ(dump(parsed("? {k: [1]}\n: {x: [y]}\ne: f\n")), "{e: 'f'}");
    EXPECT_EQ(dump(parsed("{[a]: *z, g: h}")), "{g: 'h'}");
}

TEST(YamlRead, ASyntaxErrorThrowsAndKeepsWhatWasRead) {
    Var v;
    try {
        v.parse("a: 1\nb: [x, y\nc: 3\n");
        FAIL() << "no exception";
    } catch (const DataParseException& e) {
        // libyaml's place and problem, lines and columns counted from 1.
        EXPECT_EQ(e.message.to_utf8(), "line 3, column 2: did not find expected ',' or ']'");
    }
    EXPECT_EQ(v["a"].to_string().to_utf8(), "1");
    EXPECT_THROW(parsed("key: value: other\n"), DataParseException);
    EXPECT_THROW(parsed("\"unterminated\n"), DataParseException);
    EXPECT_THROW(parsed(String(u"bad\u0001char")), DataParseException);
    // A byte the reader refuses is placed by its offset, columns in characters.
    try {
        parsed(String(u"\u00e9: \u3042\nk: \"x\u0001\"\n"));
        FAIL() << "no exception";
    } catch (const DataParseException& e) {
        EXPECT_EQ(e.message.to_utf8(), "line 2, column 6: control characters are not allowed");
    }
}

TEST(YamlRead, ALongTextReadsTheSameWhereverItsPiecesEnd) {
    // Values of characters of every width, so that the pieces libyaml is
    // handed end inside each kind. Pairs read as U+3013, lone surrogates as U+FFFD.
    const std::u16string kinds[] = {u"a", u"\u00e9", u"\u3042", u"\U0001F600", u"\xD800", u"\xDC00"};
    std::mt19937 random(7);
    std::u16string doc;
    std::vector<std::u16string> values;
    for (int i = 0; i < 3000; ++i) {
        std::u16string value;
        for (int n = static_cast<int>(random() % 12); n > 0; --n)
            value += kinds[random() % 6];
        doc += String("k" + std::to_string(10000 + i)).units() + u": \"" + value + u"\"\n";
        values.push_back(value);
    }
    Var v = parsed(String(doc));
    ASSERT_EQ(v.hash().size(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        std::u16string want = narrowed(values[i]);
        for (char16_t& u : want)
            u = u >= 0xD800 && u <= 0xDFFF ? u'\uFFFD' : u;
        ASSERT_EQ(v[String("k" + std::to_string(10000 + i))].to_string().units(), want) << "member " << i;
    }
    // A refused character far into the text is still placed by line and column.
    try {
        parsed(String(doc + u"bad: \"x\u0001\"\n"));
        FAIL() << "no exception";
    } catch (const DataParseException& e) {
        EXPECT_EQ(e.message.to_utf8(), "line 3001, column 8: control characters are not allowed");
    }
}

TEST(YamlRead, CharactersAboveTheBasicPlaneReadAsGetaMarksRawOrEscaped) {
    // The same character three ways: raw UTF-8, YAML's escape and a pair in
    // the String; every form reads as U+3013.
    Var v = parsed(String("raw: \"x\xF0\x9F\x98\x80y\"\nbig: \"x\\U0001F600y\"\n"));
    EXPECT_EQ(v["raw"].to_string().units(), u"x\u3013y");
    EXPECT_EQ(v["big"].to_string().units(), u"x\u3013y");
    Var pair = parsed(String(u"k: \"\U0001F600\"\n\U00010348: [\U0010FFFF]\n"));
    EXPECT_EQ(pair["k"].to_string().units(), u"\u3013");
    EXPECT_EQ(pair[String(u"\u3013")][0].to_string().units(), u"\u3013");
}

TEST(YamlRead, NestingDeeperThan256LevelsStopsTheRead) {
    Var ok = parsed(String(nested_lists(256)));
    const Var* v = &ok;
    for (int i = 0; i < 255; ++i)
        v = &(*v)[0];
    EXPECT_EQ(dump(*v), "['x']");

    Var deep;
    deep.parse("first: 1\n");
    EXPECT_THROW(deep.parse(String("first: 1\nsecond: " + nested_lists(257) + "\n")), DataParseException);
    EXPECT_EQ(deep["first"].to_string().to_utf8(), "1");
    EXPECT_TRUE(deep["second"].is_list());

    // Skipped keys count too.
    EXPECT_THROW(parsed(String("? " + nested_lists(300) + "\n: v\n")), DataParseException);
    // A hundred thousand levels only cost the parser's own stack.
    EXPECT_THROW(parsed(String(nested_lists(100000))), DataParseException);
}

TEST(YamlRead, EveryKindOfTextSurvivesAWriteAndARead) {
    std::vector<std::u16string> texts = {
        u"",
        u"plain",
        u"two words",
        u" leading and trailing ",
        u"!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
        u"- dash",
        u"-",
        u"? q",
        u": c",
        u"a: b",
        u"a #b",
        u"trailing:",
        u"---",
        u"...",
        u"tab\there",
        u"line\nfeed\r\nand\rreturn",
        std::u16string(u"\0\x01\x07\x08\x0b\x0c\x1b\x1f\x7f", 9),
        u"\u0080\u0085\u009f\u00a0\u00e9\u00ff",
        u"\u3042\u30ab\u6f22\uff21",
        u"\u2028\u2029\ufeff\ufffe\uffff\ue000",
        u"\U0001F600 \U00010000 \U0010FFFF",
        u"~",
        u"null",
        u"'single'",
        u"\"double\"",
        u"back\\slash",
        u"\\x41\\u0041",
        u"multi  space",
        u"# comment",
        u"&anchor *alias !tag %directive @at `tick` |pipe >fold",
    };
    // Random mixtures of the awkward units, the same every run.
    const std::u16string alphabet =
        u" \t\n\r\x01\x7f\u0085\u2028\ufeff\"\\'#:-?[]{},&*!|>%@`~.aZ9\u00e9\u3042\uffff\U0001F600";
    std::mt19937 random(12345);
    for (int i = 0; i < 3000; ++i) {
        std::u16string s;
        int length = static_cast<int>(random() % 10);
        for (int k = 0; k < length; ++k)
            s += alphabet[random() % alphabet.size()];
        // A pair cut in half by the pick above is not the point here.
        for (char16_t& u : s)
            if (u >= 0xD800 && u <= 0xDFFF)
                u = u'x';
        texts.push_back(s);
    }
    texts.push_back(u"\U0001F600\U0001F601");

    for (const std::u16string& units : texts) {
        String text(units);
        Var doc;
        doc["value"].set_string(text);
        doc["keys"][text].set_string("as key");
        doc["list"][0].set_string(text);
        doc["list"][1][text].set_string(text);
        std::string written = doc.block_form(0);
        Var back;
        ASSERT_NO_THROW(back.parse(String(written), DataFormat::YAML)) << written;
        std::u16string read = narrowed(units);
        String key(read);
        EXPECT_EQ(back["value"].to_string().units(), read) << written;
        EXPECT_EQ(back["keys"].hash().size(), 1u) << written;
        EXPECT_EQ(back["keys"][key].to_string().to_utf8(), "as key") << written;
        EXPECT_EQ(back["list"][0].to_string().units(), read) << written;
        EXPECT_EQ(back["list"][1][key].to_string().units(), read) << written;
        // A lone text document reads back too.
        Var lone;
        lone.parse(String(Var(lum::Value(text)).block_form(0)), DataFormat::YAML);
        EXPECT_EQ(lone.to_string().units(), read);
    }
}
