#include "data/var_dump.hpp"
#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/data/scramble.hpp"
#include "lum/data/var.hpp"
#include "lum/error/exception.hpp"
#include "lum/text/text_encoding.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using lum::DataParseException;
using lum::FileOpenException;
using lum::Path;
using lum::String;
using lum::Var;
using lum::test::dump;
using lum::test::read_bytes;
using lum::test::TempFolder;
namespace fs = std::filesystem;

namespace {

Path engine_path(const fs::path& p) {
    return Path(String(p.string()));
}

} // namespace

TEST(VarFile, SaveWritesTheBlockFormAndLoadReadsItBack) {
    TempFolder dir;
    Var v;
    v["Joypad0"]["A"][0] = lum::Value(2);
    v["text"].set_string(String(u"\"quoted\"\tand\\ \u00e9\u3042 \U0001F600"));
    v.save(engine_path(dir / "doc.yaml"));
    EXPECT_EQ(read_bytes(dir / "doc.yaml"), "Joypad0: \n  A: \n    - 2\ntext: \"\\\"quoted\\\"\\tand\\\\ "
                                            "\u00e9\u3042 \xF0\x9F\x98\x80\"\n");
    Var back;
    back.load(engine_path(dir / "doc.yaml"));
    // The file layer's UTF-8 decoder turns characters above U+FFFF into U+3013.
    EXPECT_EQ(back["text"].to_string().units(), u"\"quoted\"\tand\\ \u00e9\u3042 \u3013");
    EXPECT_EQ(back["Joypad0"]["A"][0].to_int64(), 2);

    // A shorter document replaces the whole file.
    Var small;
    small["a"].set_string("b");
    small.save(engine_path(dir / "doc.yaml"));
    EXPECT_EQ(read_bytes(dir / "doc.yaml"), "a: b\n");
    EXPECT_EQ(dir.listing(), "doc.yaml");
}

TEST(VarFile, AFailedSaveThrowsAndLeavesTheOldFileAlone) {
    TempFolder dir;
    Var v;
    v["a"].set_string("new");

    // The target is a folder: nothing can be renamed over it.
    fs::create_directories(dir / "taken.yaml" / "inside");
    EXPECT_THROW(v.save(engine_path(dir / "taken.yaml")), FileOpenException);
    EXPECT_TRUE(fs::is_directory(dir / "taken.yaml" / "inside"));
    EXPECT_EQ(dir.listing(), "taken.yaml");

    // The folder to write in is a plain file.
    dir.write("plain", "old");
    EXPECT_THROW(v.save(engine_path(dir / "plain" / "x.yaml")), FileOpenException);
    EXPECT_EQ(read_bytes(dir / "plain"), "old");
}

TEST(VarFile, LoadDetectsEachFormatAndReportsFailures) {
    TempFolder dir;
    dir.write("settings.ini", "[window]\nwidth=640\r\nheight = 480\n");
    Var ini;
    ini.load(engine_path(dir / "settings.ini"));
    EXPECT_EQ(dump(ini), "{window: {height: '480', width: '640'}}");

    // A byte order mark at the start is dropped by the file layer.
    dir.write("bom.yaml", "\xEF\xBB\xBFk: [v]\n");
    Var bom;
    bom.load(engine_path(dir / "bom.yaml"));
    EXPECT_EQ(dump(bom), "{k: ['v']}");

    // A scrambled asset reads like its plain text.
    dir.write("asset.yaml", lum::scrambled_file("- one\n- two\n"));
    Var asset;
    asset.load(engine_path(dir / "asset.yaml"));
    EXPECT_EQ(dump(asset), "['one', 'two']");

    Var missing;
    missing["default"].set_string("kept");
    EXPECT_THROW(missing.load(engine_path(dir / "missing.yaml")), FileOpenException);
    EXPECT_EQ(dump(missing), "{default: 'kept'}");

    dir.write("empty.yaml", "");
    missing.load(engine_path(dir / "empty.yaml"));
    EXPECT_EQ(dump(missing), "{default: 'kept'}");

    dir.write("broken.yaml", "a: 1\nb: : :\n");
    Var broken;
    EXPECT_THROW(broken.load(engine_path(dir / "broken.yaml")), DataParseException);
    EXPECT_EQ(dump(broken), "{a: '1', b: ~}");
}

// The Var that load gives for these bytes, or "throws".
std::string loaded(const TempFolder& dir, const std::string& bytes) {
    dir.write("doc.yaml", bytes);
    Var v;
    try {
        v.load(engine_path(dir / "doc.yaml"));
    } catch (const DataParseException&) {
        return "throws";
    }
    return dump(v);
}

// The same bytes read the long way: decoded by the text layer, then parsed.
std::string decoded_then_parsed(const std::string& bytes) {
    String text;
    lum::decode_text(text, bytes, lum::ENCODING_UTF8);
    Var v;
    try {
        v.parse(text, Var::detect_format(text));
    } catch (const DataParseException&) {
        return "throws";
    }
    return dump(v);
}

TEST(VarFile, LoadReadsAnyBytesLikeTheTextLayerDecodesThem) {
    TempFolder dir;
    // A NUL cuts the rest of its line, line feed included.
    EXPECT_EQ(loaded(dir, std::string("- x\0y\n- z\n", 10)), "['x- z']");
    // A character above U+FFFF reads as U+3013, written raw or as an escape.
    dir.write("wide.yaml", "k: a\xF0\x9F\x98\x80\nsmile: \"x\\U0001F600y\"\n");
    Var wide;
    wide.load(engine_path(dir / "wide.yaml"));
    EXPECT_EQ(wide["k"].to_string().units(), u"a\u3013");
    EXPECT_EQ(wide["smile"].to_string().units(), u"x\u3013y");
    // A two-byte lead takes the next byte whatever it is: C3 28 is U+00E8.
    dir.write("bad.yaml", "- \xC3(x\n");
    Var bad;
    bad.load(engine_path(dir / "bad.yaml"));
    EXPECT_EQ(bad[0].to_string().units(), u"\u00E8x");
    // An encoded surrogate becomes a lone surrogate, which YAML gets as U+FFFD.
    dir.write("surrogate.yaml", "- \xED\xA0\x80\n");
    Var surrogate;
    surrogate.load(engine_path(dir / "surrogate.yaml"));
    EXPECT_EQ(surrogate[0].to_string().units(), u"\uFFFD");
    // The file layer drops one byte order mark and YAML drops the next.
    dir.write("bom.yaml", "\xEF\xBB\xBF\xEF\xBB\xBFk: \xC3\xA9\n");
    Var bom;
    bom.load(engine_path(dir / "bom.yaml"));
    ASSERT_EQ(bom.hash().size(), 1u);
    EXPECT_EQ(bom.hash().begin()->first.units(), u"k");
    EXPECT_EQ(bom.hash().begin()->second.to_string().units(), u"\u00E9");

    const std::string documents[] = {
        "a: 1\nb: [x, y]\n",
        "\xEF\xBB\xBF- \xE3\x81\x82\n",
        std::string("a: x\0y\nb: z\n", 12),
        std::string("- \xE0\x80\x80\n"),
        "k: a\x80"
        "b\nm: c\n",
        "- \xC0\n",
        "- a\xFE\n",
        "- \xE3\x81\n",
        "k: \xF4\x8F\xBF\xBF\n",
        "\xE3\x80\x80[s]\n\xE3\x80\x80x=1\n",
        "\xE3\x80\x80- a\n\xE3\x80\x80- b\n",
        "\xC2\xA0[s]\nx=1\n",
        "[s]\nx=\xE6\x97\xA5\n",
        "{\"a\": 1}\n",
        "- \xEF\xBF\xBF\xED\x9F\xBF\xEE\x80\x80\n",
    };
    for (const std::string& bytes : documents)
        EXPECT_EQ(loaded(dir, bytes), decoded_then_parsed(bytes)) << bytes;
}

TEST(VarFile, PrintRWritesToAnOpenFile) {
    TempFolder dir;
    Var v;
    v["k"][0].set_string("a b");
    {
        lum::File f;
        f.open(engine_path(dir / "out.yaml"), lum::FILE_WRITE);
        f.write_text(String("top: "));
        v.print_r(f, 1);
        f.close();
    }
    EXPECT_EQ(read_bytes(dir / "out.yaml"), "top: \n  k: \n    - \"a b\"\n");
}
