#include "support/run_process.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using lum::run_process;
using lum::RunResult;
using lum::test::TempFolder;

namespace {

RunResult lumtool(std::vector<std::string> args) {
    args.insert(args.begin(), LUM_LUMTOOL_PATH);
    return run_process(args);
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t big_endian(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

struct PngHeader {
    uint32_t width = 0;
    uint32_t height = 0;
};

// Checks the PNG signature and reads the IHDR chunk that must follow it.
PngHeader read_png_header(const std::string& bytes) {
    PngHeader h;
    EXPECT_GE(bytes.size(), 33u);
    if (bytes.size() < 33)
        return h;
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    EXPECT_EQ(big_endian(bytes, 8), 13u);
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes[24], 8); // bits per channel
    EXPECT_EQ(bytes[25], 2); // colour type: RGB
    h.width = big_endian(bytes, 16);
    h.height = big_endian(bytes, 20);
    return h;
}

} // namespace

TEST(LumtoolFont, FontSheetWritesAPngOfEveryPageAtTheChosenScale) {
    TempFolder dir;
    RunResult run = lumtool({"font-sheet", dir.file("sheet.png")});
    ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "");
    PngHeader doubled = read_png_header(contents(dir.file("sheet.png")));

    run = lumtool({"font-sheet", "--scale", "1", dir.file("small.png")});
    ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
    PngHeader plain = read_png_header(contents(dir.file("small.png")));
    EXPECT_EQ(doubled.width, plain.width * 2);
    EXPECT_EQ(doubled.height, plain.height * 2);

    // 3248 glyphs of 8 x 8 pixels, each with a pixel of grid beside and below it,
    // have to fit; a page row is 16 cells wide.
    EXPECT_GE(plain.width * plain.height, 3248u * 81u);
    EXPECT_GE(plain.width, 16u * 9u);
}

TEST(LumtoolFont, FontSheetRejectsBadCallsAndReportsUnwritableFiles) {
    TempFolder dir;
    EXPECT_EQ(lumtool({"font-sheet"}).exit_status, 2);
    EXPECT_EQ(lumtool({"font-sheet", "--scale", "0", dir.file("a.png")}).exit_status, 2);
    EXPECT_EQ(lumtool({"font-sheet", "--scale", "x", dir.file("a.png")}).exit_status, 2);
    EXPECT_EQ(lumtool({"font-sheet", dir.file("a.png"), dir.file("b.png")}).exit_status, 2);
    EXPECT_EQ(dir.listing(), "");

    std::string nowhere = dir.file("missing/sheet.png");
    RunResult run = lumtool({"font-sheet", nowhere});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.stderr_text,
              "lumtool: cannot write '" + nowhere + "': no folder '" + dir.file("missing/") + "'\n");
    EXPECT_EQ(dir.listing(), "") << "the folder is not created";
}
