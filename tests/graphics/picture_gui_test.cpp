#include "gl_test_window.hpp"

#include "lum/data/scramble.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/picture.hpp"
#include "lum/graphics/picture_library.hpp"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using namespace lum;
using namespace lum::test;

namespace {

namespace fs = std::filesystem;

const Pixel RED{255, 0, 0, 255};
const Pixel GREEN{0, 255, 0, 255};
const Pixel BLUE{0, 0, 255, 255};
const Pixel WHITE{255, 255, 255, 255};

class PictureDrawTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        start_picture_library();
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("lum-picture-gui-test-" + std::to_string(random()));
        fs::create_directories(folder_);
    }

    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        stop_picture_library();
    }

    // A 32-bit picture saved as PNG; colours are given top row first.
    static Path png(const std::string& name, int width, int height, const std::vector<RGBA>& colours) {
        FIBITMAP* b =
            FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const RGBA& c = colours[static_cast<size_t>(y * width + x)];
                RGBQUAD q = {c.b, c.g, c.r, c.a};
                FreeImage_SetPixelColor(b, x, height - 1 - y, &q);
            }
        std::string path = (folder_ / name).string();
        EXPECT_TRUE(FreeImage_Save(FIF_PNG, b, path.c_str(), 0));
        FreeImage_Unload(b);
        return Path(path.c_str());
    }

    static inline fs::path folder_;
};

// Runs draw with target t current, after clearing it to clear.
template <typename F>
void paint(RenderTarget& t, const RGBA& clear, F draw) {
    push_target(t);
    clear_target(clear);
    draw();
    pop_target();
}

TEST_F(PictureDrawTest, OnlyTheImagePartOfTheTextureIsDrawnTopRowFirst) {
    LUM_REQUIRE_GL();
    // 3 x 2 in a 4 x 4 texture: the quad must stop at s = 0.75, t = 0.5.
    Picture p;
    p.load(png("three.png", 3, 2,
               {RGBA(255, 0, 0, 255), RGBA(0, 255, 0, 255), RGBA(0, 0, 255, 255), RGBA(255, 255, 255, 255),
                RGBA(0, 0, 0, 255), RGBA(10, 20, 30, 255)}));
    ASSERT_NE(p.texture(), 0u);
    EXPECT_TRUE(glIsTexture(p.texture()));
    RenderTarget t(12, 8);
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(0, 0, 12, 8, 0); });
    // Each picture pixel covers 4 x 4 target pixels.
    EXPECT_EQ(pixel_of(t, 1, 1), RED);
    EXPECT_EQ(pixel_of(t, 6, 2), GREEN);
    EXPECT_EQ(pixel_of(t, 10, 1), BLUE);
    EXPECT_EQ(pixel_of(t, 11, 3), BLUE);
    EXPECT_EQ(pixel_of(t, 1, 6), WHITE);
    EXPECT_EQ(pixel_of(t, 5, 5), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(pixel_of(t, 11, 7), (Pixel{10, 20, 30, 255}));
}

TEST_F(PictureDrawTest, OpacityAndCornerColoursLastForOneDraw) {
    LUM_REQUIRE_GL();
    Picture p;
    p.load(png("white.png", 1, 1, {RGBA(255, 255, 255, 255)}));
    RenderTarget t(4, 4);
    // Alpha ((128 + 1) * 255) >> 8 = 128 over opaque black: red 255 * 128/255 = 128.
    p.set_opacity(128);
    p.set_corner_colours(RGBA(255, 0, 0, 255));
    paint(t, RGBA(0, 0, 0, 255), [&] { p.draw(0, 0, 4, 4, 0); });
    Pixel half = pixel_of(t, 2, 2);
    EXPECT_TRUE(near(half, Pixel{128, 0, 0, half.a}, 1)) << half;

    // The next draw without new settings is opaque and white-tinted.
    paint(t, RGBA(0, 0, 0, 255), [&] { p.draw(0, 0, 4, 4, 0); });
    EXPECT_EQ(pixel_of(t, 2, 2), WHITE);

    // Opacity 0 gives every corner alpha 0: nothing shows.
    p.set_opacity(0);
    paint(t, RGBA(0, 0, 255, 255), [&] { p.draw(0, 0, 4, 4, 0); });
    EXPECT_EQ(pixel_of(t, 2, 2), BLUE);
}

TEST_F(PictureDrawTest, TransparentPixelsLetTheTargetShowThrough) {
    LUM_REQUIRE_GL();
    Picture p;
    p.load(png("holes.png", 2, 1, {RGBA(255, 0, 0, 0), RGBA(0, 255, 0, 255)}));
    RenderTarget t(4, 2);
    paint(t, RGBA(0, 0, 255, 255), [&] { p.draw(0, 0, 4, 2, 0); });
    EXPECT_EQ(pixel_of(t, 0, 1), BLUE);
    EXPECT_EQ(pixel_of(t, 3, 0), GREEN);
}

TEST_F(PictureDrawTest, RotationTurnsAboutTheCentreAndDrawSizeComesFromTheState) {
    LUM_REQUIRE_GL();
    Picture p;
    p.load(png("pair.png", 2, 1, {RGBA(255, 0, 0, 255), RGBA(0, 255, 0, 255)}));
    RenderTarget t(8, 8);
    // Half a turn about (4, 2): green on the left, red on the right.
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(0, 0, 8, 4, 180); });
    EXPECT_EQ(pixel_of(t, 1, 1), GREEN);
    EXPECT_EQ(pixel_of(t, 6, 2), RED);
    EXPECT_EQ(pixel_of(t, 4, 6), (Pixel{0, 0, 0, 0}));

    // The state's size after a load is the picture's: 2 x 1 at (3, 5).
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(3, 5); });
    EXPECT_EQ(pixel_of(t, 3, 5), RED);
    EXPECT_EQ(pixel_of(t, 4, 5), GREEN);
    EXPECT_EQ(pixel_of(t, 5, 5), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(pixel_of(t, 3, 6), (Pixel{0, 0, 0, 0}));

    // A quarter turn set in the state: the 8 x 2 bar stands upright about (4, 4).
    p.set_draw_size(8, 2);
    p.set_angle(90);
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(0, 3); });
    EXPECT_EQ(pixel_of(t, 4, 1), RED);
    EXPECT_EQ(pixel_of(t, 4, 6), GREEN);
    EXPECT_EQ(pixel_of(t, 1, 4), (Pixel{0, 0, 0, 0}));
}

TEST_F(PictureDrawTest, SmoothPicturesBlendNeighbouringTexels) {
    LUM_REQUIRE_GL();
    Picture p;
    p.load(png("edge.png", 2, 1, {RGBA(0, 0, 0, 255), RGBA(255, 255, 255, 255)}));
    RenderTarget t(16, 1);
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(0, 0, 16, 1, 0); });
    EXPECT_EQ(pixel_of(t, 7, 0), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(pixel_of(t, 8, 0), WHITE);

    // Linear filtering: pixel 7's centre lies 1/16 of a texel left of the
    // edge between the texels, so it is 7/16 white, about 112.
    p.set_smooth(true);
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(0, 0, 16, 1, 0); });
    Pixel mixed = pixel_of(t, 7, 0);
    EXPECT_TRUE(near(mixed, Pixel{112, 112, 112, 255}, 2)) << mixed;
}

TEST_F(PictureDrawTest, ScrambledPicturesDrawAndReloadingReplacesTheTexture) {
    LUM_REQUIRE_GL();
    Path plain = png("plain.png", 1, 1, {RGBA(0, 0, 255, 255)});
    std::ifstream in(plain.to_string().to_utf8(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string scrambled_path = (folder_ / "scrambled.png").string();
    std::ofstream(scrambled_path, std::ios::binary) << scrambled_file(bytes);

    Picture p;
    p.load(png("red.png", 1, 1, {RGBA(255, 0, 0, 255)}));
    uint32_t first = p.texture();
    p.load(Path(scrambled_path.c_str()));
    EXPECT_TRUE(p.scrambled());
    EXPECT_FALSE(glIsTexture(first));
    RenderTarget t(2, 2);
    paint(t, RGBA(0, 0, 0, 0), [&] { p.draw(0, 0, 2, 2, 0); });
    EXPECT_EQ(pixel_of(t, 1, 1), BLUE);

    uint32_t second = p.texture();
    {
        Picture moved = std::move(p);
        EXPECT_EQ(moved.texture(), second);
        EXPECT_EQ(p.texture(), 0u);
    }
    EXPECT_FALSE(glIsTexture(second));
}

} // namespace
