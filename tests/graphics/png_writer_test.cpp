#include "lum/graphics/png_writer.hpp"

#include "lum/error/exception.hpp"
#include "lum/graphics/picture.hpp"
#include "lum/graphics/picture_library.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

using lum::Path;
using lum::Picture;
using lum::RGBA;
using lum::String;
using lum::test::TempFolder;

namespace {

// Every pixel differs from its neighbours in each channel, so that a row, a
// column or a channel out of place shows.
RGBA colour_at(int32_t x, int32_t y) {
    return RGBA(static_cast<uint8_t>(x * 37), static_cast<uint8_t>(y * 53),
                static_cast<uint8_t>((x * y * 11 + 5) & 0xFF), 255);
}

void pattern(int32_t width, int32_t y, uint8_t* rgb) {
    for (int32_t x = 0; x < width; ++x) {
        RGBA c = colour_at(x, y);
        rgb[x * 3] = c.r;
        rgb[x * 3 + 1] = c.g;
        rgb[x * 3 + 2] = c.b;
    }
}

// The text of the failure write_png throws for path, or "" when it succeeds.
std::string failure_of(const std::string& path, int32_t width, int32_t height) {
    try {
        lum::write_png(Path(String(path)), width, height,
                       [&](int32_t y, uint8_t* rgb) { pattern(width, y, rgb); });
    } catch (const lum::FileOpenException& e) {
        return e.message.to_utf8();
    }
    return "";
}

} // namespace

TEST(PngWriter, RowsComeBackPixelForPixelAndAFailedWriteGivesItsReasonAndLeavesNothing) {
    TempFolder dir;
    const int32_t width = 7;
    const int32_t height = 5;
    ASSERT_EQ(failure_of(dir.file("shot.png"), width, height), "");
    EXPECT_EQ(dir.listing(), "shot.png");
    Picture shot;
    shot.decode(Path(String(dir.file("shot.png"))));
    EXPECT_EQ(shot.format_name(), String("PNG"));
    ASSERT_EQ(shot.width(), width);
    ASSERT_EQ(shot.height(), height);
    EXPECT_EQ(shot.bits_per_pixel(), 24);
    int differing = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            differing += shot.pixel(x, y) == colour_at(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0);

    // A missing folder is named and not created.
    EXPECT_EQ(failure_of(dir.file("missing/shot.png"), 2, 2),
              "cannot write '" + dir.file("missing/shot.png") + "': no folder '" + dir.file("missing/") +
                  "'");
    // A folder holds the name: the picture is written beside it and the rename fails.
    std::filesystem::create_directory(dir.file("taken.png"));
    EXPECT_EQ(failure_of(dir.file("taken.png"), 2, 2),
              "cannot write '" + dir.file("taken.png") + "': Is a directory");
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("taken.png")));
    EXPECT_EQ(failure_of(dir.file("empty.png"), 0, 3),
              "cannot write '" + dir.file("empty.png") + "': the picture is empty (0 x 3)");
    EXPECT_EQ(dir.listing(), "shot.png|taken.png");
    lum::stop_picture_library();
}
