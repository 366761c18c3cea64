#include "lum/data/atomic_file.hpp"
#include "lum/data/file.hpp"
#include "lum/data/scramble.hpp"
#include "lum/error/exception.hpp"

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using lum::File;
using lum::Path;
using lum::String;
using lum::test::read_bytes;
using lum::test::TempFolder;

namespace {

// Reads a whole file written with bytes through encoding code.
std::u16string decoded(const TempFolder& dir, std::string_view bytes, int32_t code) {
    std::string full = dir.write("in.txt", bytes);
    File f;
    f.open(Path(full.c_str()), lum::FILE_READ);
    String out("left over");
    f.read_all(code, out);
    return out.units();
}

} // namespace

TEST(File, ReadAllDecodesWithEachKindOfEncoding) {
    TempFolder dir;
    EXPECT_EQ(decoded(dir, std::string("A\0B", 3), 6), u"AB");
    EXPECT_EQ(decoded(dir,
                      "\xEF\xBB\xBF"
                      "a\nb",
                      0),
              u"a\nb");
    // The mark is dropped only at the start of the first line.
    EXPECT_EQ(decoded(dir,
                      "a\n\xEF\xBB\xBF"
                      "b",
                      0),
              u"a\n\uFEFFb");
    for (int32_t code = 1; code <= 5; ++code)
        EXPECT_EQ(decoded(dir, "\xE6\x97\xA5\r\n", code), u"\u65E5\r\n") << code;
    EXPECT_EQ(decoded(dir, "\xA4", 7), u"\u00A4");
    EXPECT_EQ(decoded(dir, "\xA4", 8), u"\u20AC");
    EXPECT_EQ(decoded(dir, "\x1C\x7F\x81\x0A", 9), u"\u221F\u2302\u00FC\u25D9");
    EXPECT_EQ(decoded(dir, "\x81\x7F", 11), u"\uFFFD\x7F");
    EXPECT_EQ(decoded(dir, "\xB1\x80", 13), u"\u30A2\u2660");
    EXPECT_EQ(decoded(dir, "\xB1\x80\x1C", 14), u"\u30A2\u2581\u2192");
    EXPECT_EQ(decoded(dir, "\xB1\x80\\~", 15), u"\u30A2\uFFFD\\~");
    EXPECT_EQ(decoded(dir, "", 0), u"");
}

TEST(File, UnknownEncodingReportsItselfAndReadsNothing) {
    TempFolder dir;
    for (int32_t code : {16, -1}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(decoded(dir, "text", code), u"");
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "lum::File::read_all: unimplemented - " + std::to_string(code) + "\n");
    }
}

TEST(File, ReadAllTakesTheRestAfterEarlierReads) {
    TempFolder dir;
    File f;
    f.open(Path(dir.write("in.txt", "head:tail").c_str()), lum::FILE_READ);
    char head[5];
    ASSERT_EQ(f.read(head, 1, 5), 5u);
    EXPECT_EQ(std::string(head, 5), "head:");
    String rest;
    f.read_all(0, rest);
    EXPECT_EQ(rest, String("tail"));
    EXPECT_EQ(f.position(), 9u);
    // At the end there is nothing more to read.
    f.read_all(0, rest);
    EXPECT_TRUE(rest.empty());
}

TEST(File, ReadAllBytesTakesEveryByteOfFilesOfAnySize) {
    // Around the first read's 4 KiB and far past it, plain and scrambled, from
    // the start and after a first read.
    TempFolder dir;
    for (size_t size : {0, 10, 4095, 4096, 4097, 8192, 100000}) {
        std::string payload(size, '\0');
        for (size_t i = 0; i < size; ++i)
            payload[i] = static_cast<char>(i * 7 + i / 251);
        for (bool scrambled : {false, true}) {
            std::string full = dir.write("in.dat", scrambled ? lum::scrambled_file(payload) : payload);
            for (size_t skip : {0, 3}) {
                File f;
                f.open(Path(full.c_str()), lum::FILE_READ);
                char head[3];
                size_t skipped = f.read(head, 1, skip);
                std::string bytes("left over");
                f.read_all_bytes(bytes);
                EXPECT_EQ(bytes, payload.substr(skipped)) << size << (scrambled ? " scrambled" : "") << " skip " << skip;
                EXPECT_EQ(f.position(), size);
            }
        }
    }
}

TEST(File, WritesUtf8LinesAndRepeatsByteForByte) {
    TempFolder dir;
    std::string full = dir.file("out.yaml");
    {
        File f;
        f.open(Path(full.c_str()), lum::FILE_WRITE);
        f.write_line(String("key:"));
        f.write_repeat(String(" "), 4);
        f.write_repeat(String("never"), 0);
        f.write_repeat(String("never"), -3);
        f.write_repeat(String(u"\u65E5"), 2);
        f.write_line(String(u"\u00E9"));
        f.write_line(String());
        f.write_text(String("- "));
        // The destructor closes the file, so everything is on disk afterwards.
    }
    EXPECT_EQ(read_bytes(full), "key:\n    \xE6\x97\xA5\xE6\x97\xA5\xC3\xA9\n\n- ");
}

TEST(File, OpeningRecordsTheNamesAndRefusesWhatTheSystemRefuses) {
    TempFolder dir;
    File f;
    std::string missing = dir.file("missing.yaml");
    try {
        f.open(Path(missing.c_str()), lum::FILE_READ);
        FAIL() << "opened a missing file";
    } catch (const lum::FileOpenException& e) {
        EXPECT_EQ(e.message.to_utf8(), "cannot open '" + missing + "': No such file or directory");
    }
    EXPECT_FALSE(f.is_open());
    EXPECT_THROW(f.open(Path(missing.c_str()), lum::FILE_READ_WRITE), lum::FileOpenException);
    // A folder is not a file to read, even though the system lets it be opened.
    EXPECT_THROW(f.open(Path(dir.path().string().c_str()), lum::FILE_READ), lum::FileOpenException);
    EXPECT_THROW(f.open(Path(dir.path().string().c_str()), lum::FILE_WRITE), lum::FileOpenException);
    EXPECT_THROW(f.open(Path(missing.c_str()), 3), lum::FileOpenException);
    EXPECT_FALSE(f.is_open());
    EXPECT_EQ(read_bytes(missing), "<missing>");

    // Writing creates the file.
    f.open(Path(missing.c_str()), lum::FILE_WRITE);
    EXPECT_TRUE(f.is_open());
    EXPECT_EQ(f.name(), String("missing.yaml"));
    EXPECT_EQ(f.full_path().to_utf8(), missing);
    EXPECT_FALSE(f.scrambled());
    EXPECT_TRUE(f.close());
    EXPECT_EQ(read_bytes(missing), "");
}

TEST(File, ReadWriteModeUpdatesAnExistingFileInPlace) {
    TempFolder dir;
    std::string full = dir.write("data.bin", "0123456789");
    File f;
    f.open(Path(full.c_str()), lum::FILE_READ_WRITE);
    ASSERT_EQ(f.seek(4, SEEK_SET), 0);
    EXPECT_EQ(f.write("AB", 1, 2), 2u);
    EXPECT_EQ(f.tell(), 6);
    // Reading straight after writing, and writing straight after reading.
    char tail[4] = {};
    EXPECT_EQ(f.read(tail, 1, 2), 2u);
    EXPECT_EQ(std::string(tail, 2), "67");
    f.write_text(String("C"));
    ASSERT_EQ(f.seek(-2, SEEK_END), 0);
    EXPECT_EQ(f.read(tail, 1, 4), 2u);
    EXPECT_EQ(std::string(tail, 2), "C9");
    f.close();
    EXPECT_EQ(read_bytes(full), "0123AB67C9");
}

TEST(File, PlainStreamOperationsPassStraightThrough) {
    TempFolder dir;
    // Shorter than the marker, and a prefix of it: still plain.
    std::string full = dir.write("short.bin", "[LUM::Encrypt");
    File f;
    f.open(Path(full.c_str()), lum::FILE_READ);
    EXPECT_FALSE(f.scrambled());
    EXPECT_EQ(f.tell(), 0);
    char items[6] = {};
    // Two whole items of 6 bytes, then one byte that is not a whole item.
    EXPECT_EQ(f.read(items, 6, 1), 1u);
    EXPECT_EQ(std::string(items, 6), "[LUM::");
    EXPECT_EQ(f.read(items, 6, 1), 1u);
    EXPECT_EQ(f.read(items, 6, 1), 0u);
    EXPECT_EQ(f.seek(1, SEEK_SET), 0);
    EXPECT_EQ(f.tell(), 1);
    EXPECT_NE(f.seek(0, 12345), 0);
    EXPECT_FALSE(f.failed());

    File closed;
    char c;
    EXPECT_EQ(closed.read(&c, 1, 1), 0u);
    EXPECT_EQ(closed.tell(), -1);
    EXPECT_NE(closed.seek(0, SEEK_SET), 0);
    String out("x");
    closed.read_all(0, out);
    EXPECT_TRUE(out.empty());
}

TEST(AtomicFile, ReplacesTheTargetAndCreatesMissingFolders) {
    TempFolder dir;
    std::string target = dir.file("Save/joypad.yaml");
    {
        lum::AtomicFile out(Path(target.c_str()));
        out.file().write_line(String("first"));
        // Nothing reaches the target before the commit.
        EXPECT_EQ(read_bytes(target), "<missing>");
        out.commit();
    }
    EXPECT_EQ(read_bytes(target), "first\n");

    lum::AtomicFile::write_all(Path(target.c_str()), "second\n");
    EXPECT_EQ(read_bytes(target), "second\n");
    EXPECT_EQ(dir.listing(), "Save");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path() / "Save"))
        ++entries;
    EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
}

TEST(AtomicFile, AnAbandonedWriteLeavesTheOldFileAndNoTemporary) {
    TempFolder dir;
    std::string target = dir.write("keep.yaml", "old\n");
    {
        lum::AtomicFile out(Path(target.c_str()));
        out.file().write_line(String("half written"));
        out.file().flush();
        EXPECT_EQ(dir.listing().find(".keep.yaml."), 0u) << dir.listing();
        // Leaving the scope without commit, as an exception from the writer would.
    }
    EXPECT_EQ(read_bytes(target), "old\n");
    EXPECT_EQ(dir.listing(), "keep.yaml");
}

TEST(AtomicFile, FailuresThrowAndLeaveEverythingAsItWas) {
    TempFolder dir;
    std::string blocker = dir.write("plain.txt", "a file, not a folder\n");

    // The parent is a regular file: no folder can be made there, even by root.
    try {
        lum::AtomicFile out(Path((blocker + "/joypad.yaml").c_str()));
        FAIL() << "wrote below a regular file";
    } catch (const lum::FileOpenException& e) {
        EXPECT_NE(e.message.to_utf8().find("Not a directory"), std::string::npos) << e.message.to_utf8();
    }
    EXPECT_EQ(read_bytes(blocker), "a file, not a folder\n");

    // The target is a folder: the new file cannot be renamed over it.
    std::filesystem::create_directory(dir.path() / "taken");
    std::filesystem::create_directory(dir.path() / "taken" / "inside");
    try {
        lum::AtomicFile::write_all(Path(dir.file("taken").c_str()), "text\n");
        FAIL() << "replaced a folder";
    } catch (const lum::FileOpenException& e) {
        EXPECT_EQ(e.message.to_utf8().find("cannot write '" + dir.file("taken") + "': "), 0u)
            << e.message.to_utf8();
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken" / "inside"));
    EXPECT_EQ(dir.listing(), "plain.txt|taken");

    // The system refuses new files in /proc.
    EXPECT_THROW(lum::AtomicFile::write_all(Path("/proc/self/joypad.yaml"), "x"), lum::FileOpenException);
}
