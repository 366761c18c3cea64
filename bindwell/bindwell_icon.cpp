// bindwell_icon SIZE OUT.png: draws Bindwell's icon, a joypad in the colours of
// the engine's text palette, as a SIZE x SIZE PNG. Run at build time for the
// desktop's icon theme.

#include "lum/error/exception.hpp"
#include "lum/graphics/font/text_palette.hpp"
#include "lum/graphics/png_writer.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The joypad on a 16 x 16 grid: '.' clear, 'O' outline, 'B' body, 'D' the
// direction pad, 'S' select and start, 'a' 'b' 'x' 'y' the face buttons.
constexpr int GRID = 16;
constexpr std::array<const char*, GRID> ART = {
    "................", "................", "................", "....OOOOOOOO....",
    "..OOBBBBBBBBOO..", ".OBBBBBBBBBBBBO.", ".OBBDBBBBBBxBBO.", "OBBDDDBBBByBaBBO",
    "OBBBDBBSSBBbBBBO", "OBBBBBBBBBBBBBBO", "OBBBBOOOOOOBBBBO", "OBBBO......OBBBO",
    ".OOO........OOO.", "................", "................", "................",
};

// The text palette entry of each mark; clear pixels have none.
int palette_entry(char mark) {
    switch (mark) {
    case 'O':
    case 'D':
        return lum::default_text_palette().backdrop_colour;
    case 'B':
        return 15; // light grey
    case 'S':
        return 8; // grey
    case 'a':
        return 4; // red
    case 'b':
        return 6; // yellow
    case 'x':
        return 1; // blue
    case 'y':
        return 2; // green
    default:
        return -1;
    }
}

// Writes the icon; throws the writer's FileOpenException when it cannot.
void write_icon(int size, const std::string& path) {
    lum::write_png(
        lum::Path(lum::String(path.c_str())), size, size,
        [size](int32_t y, uint8_t* pixels) {
            for (int x = 0; x < size; ++x) {
                const int entry = palette_entry(ART[y * GRID / size][x * GRID / size]);
                uint8_t* p = pixels + x * 4;
                const lum::RGBA c = entry < 0 ? lum::RGBA(0, 0, 0, 0)
                                              : lum::default_text_palette().colour(static_cast<uint8_t>(entry));
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
                p[3] = entry < 0 ? 0 : 255;
            }
        },
        lum::PngChannels::RGBA);
}

} // namespace

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < GRID || size % GRID != 0) {
        std::fprintf(stderr, "usage: bindwell_icon SIZE OUT.png (SIZE a multiple of %d)\n", GRID);
        return 2;
    }
    try {
        write_icon(size, argv[2]);
    } catch (const lum::Exception& e) {
        std::fprintf(stderr, "bindwell_icon: %s\n", lum::describe(e).to_utf8().c_str());
        return 1;
    }
    return 0;
}
