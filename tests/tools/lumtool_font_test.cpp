#include "support/png_header.hpp"
#include "support/run_process.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using lum::run_process;
using lum::RunResult;
using lum::test::png_header;
using lum::test::PngHeader;
using lum::test::read_bytes;
using lum::test::TempFolder;

namespace {

RunResult lumtool(std::vector<std::string> args) {
    args.insert(args.begin(), LUM_LUMTOOL_PATH);
    return run_process(args);
}

// Checks the signature, the IHDR chunk that must follow it and its 8-bit RGB
// pixels, and gives the header.
PngHeader read_png_header(const std::string& bytes) {
    PngHeader h = png_header(bytes);
    EXPECT_TRUE(h.valid) << "no PNG signature and IHDR chunk in " << bytes.size() << " bytes";
    EXPECT_EQ(h.bit_depth, 8);   // bits per channel
    EXPECT_EQ(h.colour_type, 2); // colour type: RGB
    return h;
}

} // namespace

TEST(LumtoolFont, FontSheetWritesAPngOfEveryPageAtTheChosenScale) {
    TempFolder dir;
    RunResult run = lumtool({"font-sheet", dir.file("sheet.png")});
    ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(run.stdout_text, "");
    PngHeader doubled = read_png_header(read_bytes(dir.file("sheet.png")));

    run = lumtool({"font-sheet", "--scale", "1", dir.file("small.png")});
    ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
    PngHeader plain = read_png_header(read_bytes(dir.file("small.png")));
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
