// bindwell_icon SIZE OUT.png: draws Bindwell's icon, a joypad in the colours of
// the engine's text palette, as a SIZE x SIZE PNG. Run at build time for the
// desktop's icon theme.

#include "lum/graphics/font/text_palette.hpp"

#include <FreeImage.h>

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

bool write_icon(int size, const std::string& path) {
    FIBITMAP* bitmap = FreeImage_Allocate(size, size, 32);
    if (bitmap == nullptr)
        return false;
    for (int y = 0; y < size; ++y) {
        // FreeImage keeps the bottom row first.
        BYTE* line = FreeImage_GetScanLine(bitmap, size - 1 - y);
        for (int x = 0; x < size; ++x) {
            const int entry = palette_entry(ART[y * GRID / size][x * GRID / size]);
            BYTE* p = line + x * 4;
            if (entry < 0) {
                p[FI_RGBA_RED] = p[FI_RGBA_GREEN] = p[FI_RGBA_BLUE] = p[FI_RGBA_ALPHA] = 0;
                continue;
            }
            const lum::RGBA c = lum::default_text_palette().colour(static_cast<uint8_t>(entry));
            p[FI_RGBA_RED] = c.r;
            p[FI_RGBA_GREEN] = c.g;
            p[FI_RGBA_BLUE] = c.b;
            p[FI_RGBA_ALPHA] = 255;
        }
    }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_DEFAULT) != 0;
    FreeImage_Unload(bitmap);
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < GRID || size % GRID != 0) {
        std::fprintf(stderr, "usage: bindwell_icon SIZE OUT.png (SIZE a multiple of %d)\n", GRID);
        return 2;
    }
    if (!write_icon(size, argv[2])) {
        std::fprintf(stderr, "bindwell_icon: cannot write '%s'\n", argv[2]);
        return 1;
    }
    return 0;
}
