#include "support/temp_folder.hpp"
#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using lum::run_process;
using lum::RunResult;
using lum::test::read_bytes;
using lum::test::TempFolder;

namespace {

RunResult lumtool(std::vector<std::string> args) {
    args.insert(args.begin(), LUM_LUMTOOL_PATH);
    return run_process(args);
}

// "[LUM::Encrypted]" and then "hello\nworld\n" scrambled, worked out with
// Python's random module from the published seed.
const std::string HELLO_SCRAMBLED = "[LUM::Encrypted]"
                                    "\x94\xb6\x2c\x0c\x26\x8d\x31\x0b\x7c\x92\x82\x56";

} // namespace

TEST(LumtoolData, DecodeWritesTheTextAsUtf8AndNothingElse) {
    TempFolder dir;
    std::string utf8 = dir.write("bom.txt", "\xEF\xBB\xBF"
                                            "a: 1\r\nb\n");
    RunResult run = lumtool({"decode", utf8});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "a: 1\r\nb\n");
    EXPECT_EQ(run.stderr_text, "");

    // Code page 437: the smiley, a house and u with diaeresis.
    std::string cp437 = dir.write("dos.txt", "\x01\x7F\x81");
    run = lumtool({"decode", "--encoding", "9", cp437});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "\xE2\x98\xBA\xE2\x8C\x82\xC3\xBC");
    run = lumtool({"decode", "--encoding=15", dir.write("kana.txt", "\xB1")});
    EXPECT_EQ(run.stdout_text, "\xE3\x82\xA2");

    // A scrambled file is restored on the way.
    run = lumtool({"decode", dir.write("s.dat", HELLO_SCRAMBLED)});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "hello\nworld\n");

    // The engine's diagnostics go to standard error: an illegal lead byte ends
    // its line with one unit 0, and the warning stays out of the text.
    run = lumtool({"decode", dir.write("b.txt", "ok\nbad \x85 byte\nnext\n")});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, std::string("ok\nbad \0next\n", 13));
    EXPECT_EQ(run.stderr_text, "[warning][utf8_fetch] Illegal utf-8 1st byte [0x85](Shift_JIS?)\n");
}

TEST(LumtoolData, ScrambleAndUnscrambleRoundTrip) {
    TempFolder dir;
    std::string plain = dir.write("plain.txt", "hello\nworld\n");
    std::string scrambled = dir.file("out/s.dat");
    RunResult run = lumtool({"scramble", plain, scrambled});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(read_bytes(scrambled), HELLO_SCRAMBLED);

    std::string back = dir.file("back.txt");
    run = lumtool({"unscramble", scrambled, back});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(read_bytes(back), "hello\nworld\n");

    // A plain input is copied as it is; bytes of every value survive.
    std::string binary;
    for (int i = 0; i < 2100; ++i)
        binary += static_cast<char>(i * 31 % 256);
    std::string raw = dir.write("raw.bin", binary);
    run = lumtool({"unscramble", raw, dir.file("copy.bin")});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(read_bytes(dir.file("copy.bin")), binary);

    // Scrambling works on the stored bytes, so even a scrambled input comes back.
    run = lumtool({"scramble", scrambled, dir.file("twice.dat")});
    EXPECT_EQ(run.exit_status, 0) << run.stderr_text;
    run = lumtool({"unscramble", dir.file("twice.dat"), dir.file("once.dat")});
    EXPECT_EQ(read_bytes(dir.file("once.dat")), HELLO_SCRAMBLED);
}

TEST(LumtoolData, FilesThatCannotBeOpenedAreNamedWithTheReason) {
    TempFolder dir;
    std::string missing = dir.file("missing.txt");
    RunResult run = lumtool({"decode", missing});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stdout_text, "");
    EXPECT_EQ(run.stderr_text, "lumtool: cannot open '" + missing + "': No such file or directory\n");

    run = lumtool({"unscramble", missing, dir.file("x")});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stderr_text, "lumtool: cannot open '" + missing + "': No such file or directory\n");
    run = lumtool({"scramble", missing, dir.file("x")});
    EXPECT_EQ(run.stderr_text, "lumtool: cannot open '" + missing + "': No such file or directory\n");

    run = lumtool({"decode", dir.path().string()});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stderr_text, "lumtool: cannot open '" + dir.path().string() + "': Is a directory\n");

    std::string plain = dir.write("plain.txt", "x");
    run = lumtool({"scramble", plain, plain + "/below"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stderr_text.find("lumtool: cannot write '" + plain + "/below': "), 0u) << run.stderr_text;
    EXPECT_EQ(dir.listing(), "plain.txt");
}

TEST(LumtoolData, MalformedCallsAreUsageErrors) {
    TempFolder dir;
    std::string f = dir.write("f.txt", "x");
    for (const auto& args : std::vector<std::vector<std::string>>{{"decode"},
                                                                  {"decode", "--encoding", "16", f},
                                                                  {"decode", "--encoding", "x", f},
                                                                  {"decode", "--encoding"},
                                                                  {"decode", f, f},
                                                                  {"decode", "--utf16", f},
                                                                  {"scramble", f},
                                                                  {"unscramble", f, f, f}}) {
        RunResult run = lumtool(args);
        EXPECT_EQ(run.exit_status, 2) << args.size() << " " << args.back();
        EXPECT_NE(run.stderr_text.find("usage: lumtool"), std::string::npos) << run.stderr_text;
    }
}

TEST(LumtoolData, AFailedWriteLeavesTheOldOutputExactlyAsItWas) {
    // A file size limit makes the write fail even for root, as a full disk
    // would; the limit's signal is ignored so the write reports EFBIG.
    TempFolder dir;
    std::string big = dir.write("big.bin", std::string(200000, 'z'));
    std::string out = dir.write("out.dat", "old contents\n");
    RunResult run =
        run_process({"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 16; exec \"$0\" scramble \"$1\" \"$2\"",
                     LUM_LUMTOOL_PATH, big, out});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stderr_text, "lumtool: cannot write '" + out + "': File too large\n");
    EXPECT_EQ(read_bytes(out), "old contents\n");
    EXPECT_EQ(dir.listing(), "big.bin|out.dat");
}
