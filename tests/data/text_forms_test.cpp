#include "data/var_dump.hpp"
#include "lum/data/var.hpp"
#include "lum/error/exception.hpp"

#include <gtest/gtest.h>

#include <string>

using lum::DataFormat;
using lum::DataParseException;
using lum::String;
using lum::Var;
using lum::test::dump;

namespace {

DataFormat detect(const char* text) {
    return Var::detect_format(String(text));
}

Var parsed(const char* text, DataFormat format) {
    Var v;
    v.parse(String(text), format);
    return v;
}

} // namespace

TEST(DetectFormat, CountsBlockSectionAndBraceLines) {
    // Block lines: a "-" first or a ":" last.
    EXPECT_EQ(detect("Keyboard:\n  A:\n    - z\n"), DataFormat::YAML);
    EXPECT_EQ(detect("a: 1\nb: 2\n"), DataFormat::YAML); // nothing counted
    EXPECT_EQ(detect(""), DataFormat::YAML);
    EXPECT_EQ(detect("\n  \n\t\n"), DataFormat::YAML);
    // Headers and key lines go to the section reader.
    EXPECT_EQ(detect("[window]\nwidth = 640\n[audio]\nvolume=3\n"), DataFormat::SECTIONS);
    EXPECT_EQ(detect("  [indented]  \nk=v"), DataFormat::BRACES); // its last units are blanks
    EXPECT_EQ(detect("  [indented]\nk=v"), DataFormat::SECTIONS);
    // Lines starting with "{", "[" or a double quote are brace text.
    EXPECT_EQ(detect("{\"a\": 1}\n{\"b\": 2}\n"), DataFormat::BRACES);
    EXPECT_EQ(detect("\"x\"\n[1, 2\n"), DataFormat::BRACES);
    // Ties go to YAML first, then brace text before sections.
    EXPECT_EQ(detect("[s]\n- a\n"), DataFormat::YAML);
    EXPECT_EQ(detect("[s]\n{b}\n"), DataFormat::BRACES);
    // With CRLF a line ending in ":" ends in a carriage return instead, so only "-" lines count.
    EXPECT_EQ(detect("a:\r\n{x}\r\n{y}\r\n"), DataFormat::BRACES);
    EXPECT_EQ(detect("a:\r\n- x\r\n- y\r\n{z}\r\n"), DataFormat::YAML);
    EXPECT_EQ(detect("[s]\r\nk=v\r\n"), DataFormat::BRACES);
    // A final line without a line feed counts too; leading blanks of every kind are skipped.
    EXPECT_EQ(detect("{a}\n- b\n- c"), DataFormat::YAML);
    EXPECT_EQ(Var::detect_format(String(u"\u3000\u2003[s]\n")), DataFormat::SECTIONS);
}

TEST(ParseFormats, BraceTextAndNothingLeaveTheVarAlone) {
    Var v;
    v["keep"].set_string("me");
    v.parse(String("{\"a\": 1}\n{\"b\": 2}\n"));
    v.parse(String("a: 1"), DataFormat::NONE);
    v.parse(String("a: 1"), DataFormat::BRACES);
    v.parse(String("a: 1"), static_cast<DataFormat>(9));
    EXPECT_EQ(dump(v), "{keep: 'me'}");
}

TEST(SectionFile, HeadersNameNestedHashesAndLinesSetStrings) {
    const char* text = "top = level\n"
                       "[window]\n"
                       "width = 640\n"
                       "  title: My Game  \n"
                       "[audio.music]\n"
                       "volume=3\n"
                       "path = a=b:c\n"
                       "[ sub / dir \\ x ]\n"
                       "key.inner = deep\n"
                       "[window]\n"
                       "height=480\n";
    EXPECT_EQ(Var::detect_format(String(text)), DataFormat::SECTIONS);
    Var v = parsed(text, DataFormat::DETECT);
    EXPECT_EQ(dump(v), "{audio: {music: {path: 'a=b:c', volume: '3'}}, "
                       "sub: {dir: {x: {key: {inner: 'deep'}}}}, top: 'level', "
                       "window: {height: '480', title: 'My Game  ', width: '640'}}");
}

TEST(SectionFile, CommentsBlankLinesCrlfAndOddNamesAreHandled) {
    Var v = parsed("; comment = no\r\n# also: no\r\n\r\n[a..b]\r\nx = 1\r\nnoseparator\r\n= nokey\r\n"
                   "[]\r\nroot = yes\r\nk..j = 2\r\n[empty]\r\n",
                   DataFormat::SECTIONS);
    EXPECT_EQ(dump(v), "{a: {b: {x: '1'}}, empty: {}, k: {j: '2'}, root: 'yes'}");
    // A section replaces a text member of the same name, and a key replaces a section.
    Var r = parsed("a = text\n[a]\nb = 1\n[c]\n[]\nc = over\n", DataFormat::SECTIONS);
    EXPECT_EQ(dump(r), "{a: {b: '1'}, c: 'over'}");
    // The existing hash is kept and added to.
    Var kept;
    kept["old"].set_string("1");
    kept.parse(String("new = 2\n"), DataFormat::SECTIONS);
    EXPECT_EQ(dump(kept), "{new: '2', old: '1'}");
}

TEST(SectionFile, NamesDeeperThan256LevelsStopTheRead) {
    std::string deep_header = "before = 1\n[";
    for (int i = 0; i < 300; ++i)
        deep_header += "a.";
    deep_header += "a]\nx = 1\n";
    Var v;
    EXPECT_THROW(v.parse(String(deep_header), DataFormat::SECTIONS), DataParseException);
    EXPECT_EQ(dump(v), "{before: '1'}");

    // The document, 254 sections and one key level make 256 hashes: allowed.
    std::string fits = "[";
    for (int i = 0; i < 253; ++i)
        fits += "s.";
    fits += "s]\nk.v = 1\n";
    EXPECT_NO_THROW(parsed(fits.c_str(), DataFormat::SECTIONS));
    EXPECT_THROW(parsed((fits + "k.j.v = 2\n").c_str(), DataFormat::SECTIONS), DataParseException);
}

TEST(Csv, RowsAndFieldsWithQuotes) {
    EXPECT_EQ(dump(parsed("a,b,c\n1,2,3\n", DataFormat::CSV)), "[['a', 'b', 'c'], ['1', '2', '3']]");
    EXPECT_EQ(dump(parsed("a,b\r\nc,d", DataFormat::CSV)), "[['a', 'b'], ['c', 'd']]");
    EXPECT_EQ(dump(parsed("\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\n", DataFormat::CSV)),
              "[['x, y', 'say \"hi\"', 'two\r\nlines']]");
    // Empty fields, trailing commas, empty lines and a lone carriage return.
    EXPECT_EQ(dump(parsed(",a,\n\nb\rc,\n", DataFormat::CSV)), "[['', 'a', ''], [''], ['b\rc', '']]");
    EXPECT_EQ(dump(parsed("a,", DataFormat::CSV)), "[['a', '']]");
    // Text after a closing quote joins the field; an unclosed quote runs to the end.
    EXPECT_EQ(dump(parsed("\"ab\"cd,e\n\"open,\nend", DataFormat::CSV)), "[['abcd', 'e'], ['open,\nend']]");
    EXPECT_EQ(dump(parsed("", DataFormat::CSV)), "[]");
    // The document becomes a list whatever it was.
    Var v;
    v["x"].set_string("y");
    v.parse(String("1"), DataFormat::CSV);
    EXPECT_EQ(dump(v), "[['1']]");
}
