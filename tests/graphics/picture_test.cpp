#include "lum/graphics/picture.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/data/file.hpp"
#include "lum/data/scramble.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/free_image_io.hpp"
#include "lum/graphics/picture_library.hpp"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using lum::Picture;
using lum::RGBA;

// Pictures written by the tests, in a folder of their own.
class PictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        lum::start_picture_library();
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("lum-picture-test-" + std::to_string(random()));
        fs::create_directories(folder_);
    }

    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        lum::stop_picture_library();
    }

    static std::string path_of(const std::string& name) { return (folder_ / name).string(); }

    static std::string write_bytes(const std::string& name, const std::string& bytes) {
        std::ofstream out(path_of(name), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path_of(name);
    }

    static std::string read_bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Saves and releases the bitmap; the path of the file.
    static std::string save(FIBITMAP* bitmap, FREE_IMAGE_FORMAT format, const std::string& name) {
        std::string path = path_of(name);
        bool saved = FreeImage_Save(format, bitmap, path.c_str(), 0);
        FreeImage_Unload(bitmap);
        EXPECT_TRUE(saved) << name;
        return path;
    }

    static Picture decoded(const std::string& path) {
        Picture picture;
        picture.decode(lum::Path(path.c_str()));
        return picture;
    }

    static inline fs::path folder_;
};

void put_u16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void put_u32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A Windows bitmap with no compression. rows are stored bottom row first,
// each already padded to four bytes.
std::string bmp_file(int32_t width, int32_t height, uint16_t bits, const std::string& palette,
                     const std::string& rows) {
    uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size());
    std::string s = "BM";
    put_u32(s, offset + static_cast<uint32_t>(rows.size()));
    put_u32(s, 0);
    put_u32(s, offset);
    put_u32(s, 40);
    put_u32(s, static_cast<uint32_t>(width));
    put_u32(s, static_cast<uint32_t>(height));
    put_u16(s, 1);
    put_u16(s, bits);
    put_u32(s, 0);
    put_u32(s, static_cast<uint32_t>(rows.size()));
    put_u32(s, 2835);
    put_u32(s, 2835);
    put_u32(s, static_cast<uint32_t>(palette.size() / 4));
    put_u32(s, 0);
    return s + palette + rows;
}

// 3 x 2, 24 bits. Top row: red, green, blue; bottom row: white, black, (10,20,30).
// Pixels are stored blue, green, red, bottom row first.
std::string three_by_two_bmp() {
    std::string bottom("\xFF\xFF\xFF"
                       "\x00\x00\x00"
                       "\x1E\x14\x0A"
                       "\x00\x00\x00",
                       12);
    std::string top("\x00\x00\xFF"
                    "\x00\xFF\x00"
                    "\xFF\x00\x00"
                    "\x00\x00\x00",
                    12);
    return bmp_file(3, 2, 24, "", bottom + top);
}

const RGBA CLEAR(0, 0, 0, 0);

TEST_F(PictureTest, HandWrittenBitmapHoldsItsTopRowFirstInATransparentSquare) {
    Picture p = decoded(write_bytes("three.bmp", three_by_two_bmp()));
    EXPECT_EQ(p.format(), 0);
    EXPECT_EQ(p.format_name(), lum::String("BMP"));
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.height(), 2);
    EXPECT_EQ(p.bits_per_pixel(), 24);
    EXPECT_FALSE(p.has_alpha());
    EXPECT_FALSE(p.scrambled());
    EXPECT_EQ(p.texture_side(), 4);
    EXPECT_EQ(p.pixels().size(), 4u * 4u * 4u);
    EXPECT_EQ(p.texture(), 0u);

    EXPECT_EQ(p.pixel(0, 0), RGBA(255, 0, 0, 255));
    EXPECT_EQ(p.pixel(1, 0), RGBA(0, 255, 0, 255));
    EXPECT_EQ(p.pixel(2, 0), RGBA(0, 0, 255, 255));
    EXPECT_EQ(p.pixel(0, 1), RGBA(255, 255, 255, 255));
    EXPECT_EQ(p.pixel(1, 1), RGBA(0, 0, 0, 255));
    EXPECT_EQ(p.pixel(2, 1), RGBA(10, 20, 30, 255));
    // Outside the image the texture stays transparent black.
    EXPECT_EQ(p.pixel(3, 0), CLEAR);
    EXPECT_EQ(p.pixel(0, 2), CLEAR);
    EXPECT_EQ(p.pixel(3, 3), CLEAR);
    // The draw size starts at the picture's own size.
    EXPECT_EQ(p.draw_width(), 3.0f);
    EXPECT_EQ(p.draw_height(), 2.0f);
}

TEST_F(PictureTest, ThirtyTwoBitPngKeepsItsAlphaAndTwentyFourBitIsOpaque) {
    FIBITMAP* b = FreeImage_Allocate(300, 200, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK);
    RGBQUAD top_left = {30, 20, 10, 0}; // blue, green, red, alpha
    RGBQUAD bottom_right = {250, 128, 1, 77};
    RGBQUAD middle = {0, 0, 255, 255};
    FreeImage_SetPixelColor(b, 0, 199, &top_left); // FreeImage counts rows from the bottom
    FreeImage_SetPixelColor(b, 299, 0, &bottom_right);
    FreeImage_SetPixelColor(b, 150, 100, &middle);
    Picture p = decoded(save(b, FIF_PNG, "rgba.png"));
    EXPECT_EQ(p.format(), 13);
    EXPECT_EQ(p.format_name(), lum::String("PNG"));
    EXPECT_EQ(p.bits_per_pixel(), 32);
    EXPECT_TRUE(p.has_alpha());
    EXPECT_EQ(p.texture_side(), 512);
    EXPECT_EQ(p.pixel(0, 0), RGBA(10, 20, 30, 0));
    EXPECT_EQ(p.pixel(299, 199), RGBA(1, 128, 250, 77));
    EXPECT_EQ(p.pixel(150, 99), RGBA(255, 0, 0, 255));
    EXPECT_EQ(p.pixel(300, 0), CLEAR);
    EXPECT_EQ(p.pixel(0, 200), CLEAR);

    FIBITMAP* c = FreeImage_Allocate(5, 3, 24);
    RGBQUAD colour = {9, 8, 7, 0};
    FreeImage_SetPixelColor(c, 4, 2, &colour);
    Picture q = decoded(save(c, FIF_PNG, "rgb.png"));
    EXPECT_EQ(q.bits_per_pixel(), 24);
    EXPECT_FALSE(q.has_alpha());
    EXPECT_EQ(q.texture_side(), 8);
    EXPECT_EQ(q.pixel(4, 0), RGBA(7, 8, 9, 255));
    EXPECT_EQ(q.pixel(0, 2), RGBA(0, 0, 0, 255));
}

TEST_F(PictureTest, PaletteIndexZeroIsTransparentUnlessTheFileNamesABackground) {
    // 2 x 2, 8 bits, four palette entries (blue, green, red, unused). Top row
    // indices 0 and 1, bottom row 2 and 3.
    std::string palette("\x03\x02\x01\x00"
                        "\x32\x64\xC8\x00"
                        "\x00\x00\x00\x00"
                        "\xFF\xFF\xFF\x00",
                        16);
    std::string rows("\x02\x03\x00\x00"
                     "\x00\x01\x00\x00",
                     8);
    Picture p = decoded(write_bytes("indexed.bmp", bmp_file(2, 2, 8, palette, rows)));
    EXPECT_EQ(p.bits_per_pixel(), 8);
    EXPECT_FALSE(p.has_alpha());
    EXPECT_EQ(p.texture_side(), 2);
    EXPECT_EQ(p.pixel(0, 0), RGBA(1, 2, 3, 0));
    EXPECT_EQ(p.pixel(1, 0), RGBA(200, 100, 50, 255));
    EXPECT_EQ(p.pixel(0, 1), RGBA(0, 0, 0, 255));
    EXPECT_EQ(p.pixel(1, 1), RGBA(255, 255, 255, 255));

    // With a background colour only the transparency table's clear entry is
    // transparent: index 2 here, and index 0 stays opaque.
    auto indexed_png = [](bool transparency) {
        FIBITMAP* b = FreeImage_Allocate(4, 1, 8);
        RGBQUAD* colours = FreeImage_GetPalette(b);
        for (int i = 0; i < 256; ++i)
            colours[i] = RGBQUAD{7, static_cast<BYTE>(255 - i), static_cast<BYTE>(i), 0};
        for (unsigned x = 0; x < 4; ++x) {
            BYTE index = static_cast<BYTE>(x);
            FreeImage_SetPixelIndex(b, x, 0, &index);
        }
        RGBQUAD background = {0, 0, 0, 1};
        FreeImage_SetBackgroundColor(b, &background);
        if (transparency) {
            BYTE table[4] = {255, 255, 0, 255};
            FreeImage_SetTransparencyTable(b, table, 4);
        }
        return b;
    };
    Picture q = decoded(save(indexed_png(true), FIF_PNG, "indexed-clear.png"));
    EXPECT_EQ(q.bits_per_pixel(), 8);
    EXPECT_EQ(q.pixel(0, 0), RGBA(0, 255, 7, 255));
    EXPECT_EQ(q.pixel(1, 0), RGBA(1, 254, 7, 255));
    EXPECT_EQ(q.pixel(2, 0), RGBA(2, 253, 7, 0));
    EXPECT_EQ(q.pixel(3, 0), RGBA(3, 252, 7, 255));

    Picture r = decoded(save(indexed_png(false), FIF_PNG, "indexed-opaque.png"));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(r.pixel(x, 0).a, 255) << x;
}

TEST_F(PictureTest, SixteenBitPixelsWidenTheirFieldsToEightBits) {
    // 5-5-5: each field f becomes f * 255 / 31 (31 -> 255, 16 -> 131).
    FIBITMAP* b = FreeImage_Allocate(3, 1, 16, FI16_555_RED_MASK, FI16_555_GREEN_MASK, FI16_555_BLUE_MASK);
    WORD* line = reinterpret_cast<WORD*>(FreeImage_GetScanLine(b, 0));
    line[0] = 31 << 10;
    line[1] = 31 << 5;
    line[2] = (16 << 10) | 31;
    Picture p = decoded(save(b, FIF_BMP, "rgb555.bmp"));
    EXPECT_EQ(p.bits_per_pixel(), 16);
    EXPECT_EQ(p.pixel(0, 0), RGBA(255, 0, 0, 255));
    EXPECT_EQ(p.pixel(1, 0), RGBA(0, 255, 0, 255));
    EXPECT_EQ(p.pixel(2, 0), RGBA(131, 0, 255, 255));

    // 5-6-5: green has six bits (63 -> 255, 32 -> 129).
    FIBITMAP* c = FreeImage_Allocate(2, 1, 16, FI16_565_RED_MASK, FI16_565_GREEN_MASK, FI16_565_BLUE_MASK);
    line = reinterpret_cast<WORD*>(FreeImage_GetScanLine(c, 0));
    line[0] = 63 << 5;
    line[1] = (31 << 11) | (32 << 5);
    Picture q = decoded(save(c, FIF_BMP, "rgb565.bmp"));
    EXPECT_EQ(q.bits_per_pixel(), 16);
    EXPECT_EQ(q.pixel(0, 0), RGBA(0, 255, 0, 255));
    EXPECT_EQ(q.pixel(1, 0), RGBA(255, 129, 0, 255));
}

TEST_F(PictureTest, ScrambledCopiesDecodeLikeThePlainFiles) {
    // A bitmap seeks to its pixel offset from the start; PNG reads straight on.
    std::string bmp = three_by_two_bmp();
    Picture plain_bmp = decoded(write_bytes("plain.bmp", bmp));
    Picture scrambled_bmp = decoded(write_bytes("scrambled.bmp", lum::scrambled_file(bmp)));
    EXPECT_TRUE(scrambled_bmp.scrambled());
    EXPECT_FALSE(plain_bmp.scrambled());
    EXPECT_EQ(scrambled_bmp.format(), 0);
    EXPECT_EQ(scrambled_bmp.width(), 3);
    EXPECT_EQ(scrambled_bmp.pixels(), plain_bmp.pixels());

    FIBITMAP* b = FreeImage_Allocate(40, 30, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK);
    for (unsigned y = 0; y < 30; ++y)
        for (unsigned x = 0; x < 40; ++x) {
            RGBQUAD c = {static_cast<BYTE>(x * 6), static_cast<BYTE>(y * 8), static_cast<BYTE>(x + y),
                         static_cast<BYTE>(255 - x)};
            FreeImage_SetPixelColor(b, x, y, &c);
        }
    std::string png_path = save(b, FIF_PNG, "gradient.png");
    Picture plain_png = decoded(png_path);
    Picture scrambled_png = decoded(write_bytes("scrambled.png", lum::scrambled_file(read_bytes(png_path))));
    EXPECT_TRUE(scrambled_png.scrambled());
    EXPECT_EQ(scrambled_png.format(), 13);
    EXPECT_EQ(scrambled_png.pixels(), plain_png.pixels());
    // Row 0 of the texture is FreeImage's top row, y = 29.
    EXPECT_EQ(scrambled_png.pixel(39, 0), RGBA(29 + 39, 29 * 8, 39 * 6, 255 - 39));

    // The marker alone leaves an empty payload: nothing to recognise.
    std::string marker(lum::SCRAMBLE_MARKER);
    EXPECT_THROW(decoded(write_bytes("marker-only.png", marker)), lum::PictureFormatException);
}

TEST_F(PictureTest, ImageIoSeesOnlyThePayloadAndZeroesWhatAShortReadLeaves) {
    FreeImageIO io = lum::file_image_io();
    lum::File file;
    file.open(lum::Path(write_bytes("short.bin", lum::scrambled_file("ABCDE")).c_str()), lum::FILE_READ);
    fi_handle handle = lum::file_image_handle(file);
    EXPECT_EQ(io.tell_proc(handle), 0);
    EXPECT_EQ(io.seek_proc(handle, 2, SEEK_SET), 0);
    EXPECT_EQ(io.tell_proc(handle), 2);
    char buffer[8];
    std::memset(buffer, 0xEE, sizeof buffer);
    EXPECT_EQ(io.read_proc(buffer, 1, 8, handle), 3u);
    EXPECT_EQ(std::string(buffer, 8), std::string("CDE\0\0\0\0\0", 8));
    EXPECT_EQ(io.seek_proc(handle, -5, SEEK_END), 0);
    std::memset(buffer, 0xEE, sizeof buffer);
    // Two whole items of 2 bytes; the odd byte left over is not handed out.
    EXPECT_EQ(io.read_proc(buffer, 2, 4, handle), 2u);
    EXPECT_EQ(std::string(buffer, 8), std::string("ABCD\0\0\0\0", 8));
}

TEST_F(PictureTest, TextureSideIsTheSmallestPowerOfTwoCoveringBothSides) {
    EXPECT_EQ(lum::picture_texture_side(1, 1), 1);
    EXPECT_EQ(lum::picture_texture_side(0, 0), 1);
    EXPECT_EQ(lum::picture_texture_side(2, 1), 2);
    EXPECT_EQ(lum::picture_texture_side(3, 1), 4);
    EXPECT_EQ(lum::picture_texture_side(1, 65), 128);
    EXPECT_EQ(lum::picture_texture_side(300, 200), 512);
    EXPECT_EQ(lum::picture_texture_side(512, 512), 512);
    EXPECT_EQ(lum::picture_texture_side(4096, 1), 4096);
}

TEST_F(PictureTest, SidesUpTo4096LoadAndLongerOnesAreRefused) {
    Picture wide = decoded(save(FreeImage_Allocate(4096, 1, 24), FIF_PNG, "wide.png"));
    EXPECT_EQ(wide.width(), 4096);
    EXPECT_EQ(wide.texture_side(), 4096);
    EXPECT_EQ(wide.pixels().size(), 4096u * 4096u * 4u);

    std::string too_wide = save(FreeImage_Allocate(4097, 1, 24), FIF_PNG, "too-wide.png");
    std::string too_tall = save(FreeImage_Allocate(1, 4097, 24), FIF_PNG, "too-tall.png");
    Picture p = decoded(write_bytes("three.bmp", three_by_two_bmp()));
    EXPECT_THROW(p.decode(lum::Path(too_wide.c_str())), lum::PictureSizeException);
    EXPECT_THROW(p.decode(lum::Path(too_tall.c_str())), lum::PictureSizeException);
    // A failed load leaves the picture as it was.
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.texture_side(), 4);
    EXPECT_EQ(p.pixel(0, 0), RGBA(255, 0, 0, 255));
    EXPECT_EQ(p.path().filename(), lum::String("three.bmp"));
}

TEST_F(PictureTest, FilesThatAreNotUsablePicturesAreRefused) {
    auto refuses_format = [](const std::string& path) {
        Picture p;
        try {
            p.decode(lum::Path(path.c_str()));
        } catch (const lum::PictureFormatException& e) {
            EXPECT_TRUE(e.message.empty()) << path;
            EXPECT_EQ(p.format(), -1) << path;
            EXPECT_EQ(p.width(), 0) << path;
            return true;
        }
        return false;
    };
    EXPECT_TRUE(refuses_format(write_bytes("notes.txt", "This is not a picture.\nJust some text.\n")));
    EXPECT_TRUE(refuses_format(write_bytes("empty.png", "")));
    // Depths outside 8, 15, 16, 24 and 32.
    EXPECT_TRUE(refuses_format(save(FreeImage_Allocate(3, 3, 1), FIF_BMP, "one-bit.bmp")));
    EXPECT_TRUE(refuses_format(save(FreeImage_Allocate(3, 3, 4), FIF_PNG, "four-bit.png")));
    // 16-bit greyscale reports 16 bits but has no RGB pixels.
    EXPECT_TRUE(refuses_format(save(FreeImage_AllocateT(FIT_UINT16, 2, 2), FIF_PNG, "grey16.png")));
    // A PNG signature followed by a body cut short.
    std::string png = read_bytes(save(FreeImage_Allocate(64, 64, 24), FIF_PNG, "whole.png"));
    EXPECT_TRUE(refuses_format(write_bytes("cut.png", png.substr(0, 40))));

    Picture p;
    EXPECT_THROW(p.decode(lum::Path(path_of("missing.png").c_str())), lum::FileOpenException);
}

TEST_F(PictureTest, DrawStateIsClampedAndResetByADraw) {
    Picture p = decoded(write_bytes("three.bmp", three_by_two_bmp()));
    p.set_opacity(300);
    EXPECT_EQ(p.opacity(), 255);
    p.set_opacity(-4);
    EXPECT_EQ(p.opacity(), 0);
    p.set_corner_colours(RGBA(255, 0, 0, 255));
    p.set_corner_colour(Picture::BOTTOM_LEFT, RGBA(0, 0, 255, 128));
    int32_t warnings = lum::warning_count();
    p.set_corner_colour(4, RGBA(0, 255, 0, 255));
    EXPECT_EQ(lum::warning_count(), warnings + 1);
    EXPECT_EQ(p.corner_colour(Picture::TOP_LEFT), RGBA(255, 0, 0, 255));
    EXPECT_EQ(p.corner_colour(Picture::BOTTOM_LEFT), RGBA(0, 0, 255, 128));
    p.set_draw_size(64, 32);
    p.set_angle(45);

    // Without a texture nothing is drawn, but the state is still consumed.
    p.draw(0, 0);
    EXPECT_EQ(p.opacity(), 255);
    EXPECT_EQ(p.angle(), 0.0f);
    EXPECT_EQ(p.draw_width(), 3.0f);
    EXPECT_EQ(p.draw_height(), 2.0f);
    for (auto corner : {Picture::TOP_LEFT, Picture::TOP_RIGHT, Picture::BOTTOM_RIGHT, Picture::BOTTOM_LEFT})
        EXPECT_EQ(p.corner_colour(corner), RGBA(255, 255, 255, 255));
}

TEST_F(PictureTest, LoadingStartsThePictureLibraryWhenNothingElseHas) {
    std::string path = write_bytes("three.bmp", three_by_two_bmp());
    lum::start_picture_library();
    lum::stop_picture_library();
    EXPECT_FALSE(lum::picture_library_started());
    // The boot task loads its first picture before the library step runs.
    Picture p = decoded(path);
    EXPECT_TRUE(lum::picture_library_started());
    EXPECT_EQ(p.pixel(2, 1), RGBA(10, 20, 30, 255));
    // Starts do not nest: one stop releases it.
    lum::start_picture_library();
    lum::stop_picture_library();
    EXPECT_FALSE(lum::picture_library_started());
    lum::stop_picture_library();
    lum::start_picture_library();
    EXPECT_EQ(decoded(path).width(), 3);
}

} // namespace
