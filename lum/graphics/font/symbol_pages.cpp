// The 16-glyph pages: symbol sets a game needs. Sets with a rule behind them (frames,
// meters, segment digits, block mosaics, line joins, dither ramps) are computed; the
// icons are drawn in symbol_art.cpp and get a black edge here so they stand out on
// any background.

#include "lum/graphics/font/font_art.hpp"

#include <cmath>
#include <cstdlib>

namespace lum::font {

namespace {

// Fills the cell with value v where f(x, y) holds.
template <typename F>
Glyph paint(F f, uint8_t v = WHITE) {
    return make_glyph([&](int x, int y) { return f(x, y) ? v : 0; });
}

// Icons get a black edge around their white and dim pixels.
GlyphList edged(const GlyphList& icons) {
    return map_glyphs(icons, [](const Glyph& g) { return outline(g, BLACK); });
}

// A window frame as nine pieces of a 24 x 24 window, then the dividers that meet it.
// kind 0: one white line; 1: two lines; 2: a two-pixel line with round corners;
// 3: a raised panel, lit from the top left.
GlyphList frame_page(int kind) {
    auto window = [kind](int x, int y) -> int {
        int d = std::min(std::min(x, y), std::min(23 - x, 23 - y));
        int corner = std::min(x, 23 - x) + std::min(y, 23 - y);
        switch (kind) {
        case 0:
            return d < 2 ? (d == 1 ? BLACK : BLANK) : (d == 2 ? WHITE : BLACK);
        case 1:
            return d < 1 ? BLANK : (d == 1 || d == 4 ? WHITE : BLACK);
        case 2:
            if (corner < 4 || (corner == 4 && d == 0))
                return BLANK;
            return d <= 1 || corner <= 5 ? WHITE : BLACK;
        default:
            if (d == 0)
                return BLACK;
            if (d == 1)
                return (x <= y && x + y < 23) || (y < x && x + y < 23) ? WHITE : BLACK;
            return d == 2 && (x == 2 || y == 2) ? WHITE : DIM;
        }
    };
    GlyphList out;
    for (int cy = 0; cy < 3; ++cy)
        for (int cx = 0; cx < 3; ++cx)
            out.push_back(make_glyph([&](int x, int y) { return window(cx * 8 + x, cy * 8 + y); }));
    // Dividers: a line across the middle row or down the middle column of the interior.
    uint8_t line = kind == 3 ? BLACK : WHITE;
    auto with_line = [&](Glyph g, bool across, bool down, int from, int to) {
        for (int i = from; i <= to; ++i) {
            if (across)
                g.set(i, 3, line);
            if (down)
                g.set(3, i, line);
        }
        return g;
    };
    int edge = kind == 1 ? 1 : 2;
    out.push_back(with_line(out[3], true, false, edge, 7));     // left edge joined
    out.push_back(with_line(out[5], true, false, 0, 7 - edge)); // right edge joined
    out.push_back(with_line(out[1], false, true, edge, 7));     // top edge joined
    out.push_back(with_line(out[7], false, true, 0, 7 - edge)); // bottom edge joined
    out.push_back(with_line(out[4], true, true, 0, 7));         // crossing
    out.push_back(with_line(out[4], true, false, 0, 7));        // across
    out.push_back(with_line(out[4], false, true, 0, 7));        // down
    return out;
}

// Meter pieces: fills of 0..8 eighths, caps, and a slider. Across when horizontal,
// filling upwards otherwise.
GlyphList meter_page(bool horizontal) {
    auto orient = [horizontal](const Glyph& g) { return horizontal ? g : turned(turned(turned(g))); };
    auto body = [](int fill) {
        return make_glyph([fill](int x, int y) {
            if (y == 0 || y == 7)
                return 0;
            if (y == 1 || y == 6)
                return static_cast<int>(BLACK);
            return x < fill ? static_cast<int>(WHITE) : static_cast<int>(DIM);
        });
    };
    GlyphList out;
    for (int fill = 0; fill <= 8; ++fill)
        out.push_back(orient(body(fill)));
    auto cap = [&](bool left, bool full) {
        Glyph g = body(full ? 8 : 0);
        for (int y = 1; y < 7; ++y)
            for (int x = 0; x < 8; ++x) {
                int from_edge = left ? x : 7 - x;
                if (from_edge < 5)
                    g.set(x, y, 0);
                else if (from_edge == 5 || ((y == 1 || y == 6) && from_edge == 6))
                    g.set(x, y, from_edge == 5 && (y == 1 || y == 6) ? 0 : BLACK);
            }
        return g;
    };
    out.push_back(orient(cap(true, false)));
    out.push_back(orient(cap(true, true)));
    out.push_back(orient(cap(false, false)));
    out.push_back(orient(cap(false, true)));
    out.push_back(orient(paint([](int x, int y) { return y < 4 && std::abs(x - 3) <= 3 - y; })));
    out.push_back(
        orient(make_glyph([](int, int y) { return y == 3 || y == 4 ? (y == 3 ? DIM : BLACK) : 0; })));
    out.push_back(
        orient(outline(paint([](int x, int y) { return x >= 2 && x <= 5 && y >= 1 && y <= 6; }), BLACK)));
    return out;
}

// The hexadecimal digits 0..F on seven segments; unlit segments show dimmed.
GlyphList segment_page() {
    // Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom left), f (top left), g
    // (middle).
    const int lit[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                         0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
    GlyphList out;
    for (int digit = 0; digit < 16; ++digit)
        out.push_back(make_glyph([&](int x, int y) {
            int segment = -1;
            if ((y == 0 || y == 3 || y == 6) && x >= 2 && x <= 4)
                segment = y == 0 ? 0 : (y == 3 ? 6 : 3);
            else if ((x == 1 || x == 5) && y != 0 && y != 3 && y != 6 && y < 7)
                segment = x == 5 ? (y < 3 ? 1 : 2) : (y < 3 ? 5 : 4);
            if (segment < 0)
                return 0;
            return (lit[digit] >> segment) & 1 ? static_cast<int>(WHITE) : static_cast<int>(BLACK);
        }));
    return out;
}

// Every mosaic of the four 4 x 4 quarters: bit 1 top left, 2 top right, 4 bottom left, 8 bottom right.
GlyphList quadrant_page() {
    GlyphList out;
    for (int bits = 0; bits < 16; ++bits)
        out.push_back(paint([bits](int x, int y) { return (bits >> ((x / 4) + 2 * (y / 4))) & 1; }));
    return out;
}

// Line joins for every set of arms (1 up, 2 right, 4 down, 8 left); pipes are wide and shaded.
GlyphList arms_page(bool pipes) {
    GlyphList out;
    for (int arms = 0; arms < 16; ++arms) {
        if (!pipes) {
            out.push_back(line_arms(arms, false));
            continue;
        }
        Glyph g = make_glyph([arms](int x, int y) {
            bool across = x >= 2 && x <= 5;
            bool along = y >= 2 && y <= 5;
            bool in = (across && along && arms != 0) || (across && y < 2 && (arms & 1)) ||
                      (along && x > 5 && (arms & 2)) || (across && y > 5 && (arms & 4)) ||
                      (along && x < 2 && (arms & 8));
            if (!in)
                return 0;
            bool edge = (x == 2 || x == 5) && !(along && ((x == 2 && (arms & 8)) || (x == 5 && (arms & 2))));
            bool edge_y =
                (y == 2 || y == 5) && !(across && ((y == 2 && (arms & 1)) || (y == 5 && (arms & 4))));
            if (edge || edge_y)
                return static_cast<int>(BLACK);
            return (across && x == 3) || (along && y == 3) ? static_cast<int>(WHITE) : static_cast<int>(DIM);
        });
        out.push_back(g);
    }
    return out;
}

// Ordered dither ramp: glyph n lights n of every 16 pixels (Bayer 4 x 4), in value v.
GlyphList dither_page(uint8_t v) {
    const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    GlyphList out;
    for (int level = 0; level < 16; ++level)
        out.push_back(paint([&](int x, int y) { return bayer[y % 4][x % 4] < level; }, v));
    return out;
}

// Eighth blocks: lower 0/8..8/8, then left 1/8..7/8.
GlyphList eighths_page() {
    GlyphList out;
    for (int n = 0; n <= 8; ++n)
        out.push_back(paint([n](int, int y) { return y >= 8 - n; }));
    for (int n = 1; n <= 7; ++n)
        out.push_back(paint([n](int x, int) { return x < n; }));
    return out;
}

// A spinner of eight frames, four pulsing dots and four hourglass frames.
GlyphList spinner_page() {
    GlyphList out;
    const int ring[8][2] = {{3, 0}, {5, 1}, {6, 3}, {5, 5}, {3, 6}, {1, 5}, {0, 3}, {1, 1}};
    for (int frame = 0; frame < 8; ++frame)
        out.push_back(make_glyph([&](int x, int y) {
            for (int i = 0; i < 8; ++i) {
                int age = (frame - i + 8) % 8;
                if (x >= ring[i][0] && x <= ring[i][0] + 1 && y >= ring[i][1] && y <= ring[i][1] + 1)
                    return age == 0 ? static_cast<int>(WHITE) : (age < 3 ? static_cast<int>(DIM) : 0);
            }
            return 0;
        }));
    for (int frame = 0; frame < 4; ++frame)
        out.push_back(make_glyph([&](int x, int y) {
            if (y < 3 || y > 4 || x % 3 == 2 || x > 7)
                return 0;
            int dot = x / 3;
            return dot < frame ? static_cast<int>(WHITE)
                               : (dot == 2 && frame == 3 ? 0 : static_cast<int>(DIM));
        }));
    for (int frame = 0; frame < 4; ++frame)
        out.push_back(make_glyph([&](int x, int y) {
            if (y == 0 || y == 7)
                return x >= 1 && x <= 5 ? static_cast<int>(WHITE) : 0;
            int half = y < 4 ? 4 - y : y - 3;
            if (std::abs(x - 3) > half - 1 + (y < 4 ? 0 : 0) || half > 3)
                return 0;
            // Sand runs from the top half to the bottom as the frames go on.
            bool sand = y < 4 ? y > frame : y >= 7 - frame;
            return sand ? static_cast<int>(DIM) : static_cast<int>(BLACK);
        }));
    return out;
}

// Circles, squares, diamonds and triangles, filled and hollow, big and small.
GlyphList shape_page() {
    auto disc = [](double r) { return [r](int x, int y) { return std::hypot(x - 3, y - 3) <= r; }; };
    auto ring = [](double r) {
        return
            [r](int x, int y) { return std::hypot(x - 3, y - 3) <= r && std::hypot(x - 3, y - 3) > r - 1.2; };
    };
    auto square = [](int r, bool solid) {
        return [r, solid](int x, int y) {
            int d = std::max(std::abs(x - 3), std::abs(y - 3));
            return solid ? d <= r : d == r;
        };
    };
    auto diamond = [](int r, bool solid) {
        return [r, solid](int x, int y) {
            int d = std::abs(x - 3) + std::abs(y - 3);
            return solid ? d <= r : d == r;
        };
    };
    auto triangle = [](bool solid, bool up) {
        return [solid, up](int x, int y) {
            int row = up ? y - 1 : 5 - y;
            int d = std::abs(x - 3);
            if (row < 0 || row > 3 || d > row)
                return false;
            return solid || d == row || row == 3;
        };
    };
    GlyphList out{
        paint(disc(3.2)),
        paint(ring(3.2)),
        paint(disc(1.6)),
        paint(ring(1.8)),
        paint(square(3, true)),
        paint(square(3, false)),
        paint(square(1, true)),
        paint(square(1, false)),
        paint(diamond(3, true)),
        paint(diamond(3, false)),
        paint(diamond(1, true)),
        paint(diamond(1, false)),
        paint(triangle(true, true)),
        paint(triangle(false, true)),
        paint(triangle(true, false)),
        paint(triangle(false, false)),
    };
    return edged(out);
}

// Fade to black: 0 none, 15 almost all, in the Bayer order.
GlyphList fade_page() {
    return dither_page(BLACK);
}

// Pieces of a speech balloon: the nine parts of a rounded white box, tails under
// its bottom edge (left, middle, right) and above its top, and thought bubbles.
GlyphList balloon_page() {
    auto box = [](int x, int y) -> int {
        int d = std::min(std::min(x, y), std::min(23 - x, 23 - y));
        int corner = std::min(x, 23 - x) + std::min(y, 23 - y);
        if (corner < 3)
            return BLANK;
        if (d == 0 || corner == 3)
            return BLACK;
        return WHITE;
    };
    GlyphList out;
    for (int cy = 0; cy < 3; ++cy)
        for (int cx = 0; cx < 3; ++cx)
            out.push_back(make_glyph([&](int x, int y) { return box(cx * 8 + x, cy * 8 + y); }));
    // Tails below a bottom edge piece, pointing down-left, down and down-right.
    auto tail = [](int lean) {
        return make_glyph([lean](int x, int y) {
            int centre = 4 + (lean * y) / 2;
            int half = 3 - y / 2;
            if (y > 6 || half < 0)
                return 0;
            int d = x - centre;
            if (d < -half - 1 || d > half + 1)
                return 0;
            if (y == 0 && (d == -half - 1 || d == half + 1))
                return static_cast<int>(BLACK);
            return d == -half - 1 || d == half + 1 || y == 6 ? static_cast<int>(BLACK)
                                                             : static_cast<int>(WHITE);
        });
    };
    out.push_back(tail(-1));
    out.push_back(tail(0));
    out.push_back(tail(1));
    out.push_back(mirrored_y(tail(0), 8));
    auto bubble = [](double r, int cx, int cy) {
        return make_glyph([=](int x, int y) {
            double d = std::hypot(x - cx, y - cy);
            return d <= r ? static_cast<int>(WHITE) : (d <= r + 1 ? static_cast<int>(BLACK) : 0);
        });
    };
    out.push_back(bubble(2.0, 3, 3));
    out.push_back(overlay(bubble(0.8, 2, 5), bubble(1.5, 5, 2)));
    out.push_back(bubble(0.5, 3, 4));
    return out;
}

// Arrows drawn pointing up and up-right in a 7 x 7 square, thin then wide.
const std::string_view arrow_art = R"(
...#.... ..#####. ...#.... .######.
..###... .....##. ..###... ...####.
.#.#.#.. ....#.#. .#####.. ..#####.
#..#..#. ...#...# #######. .#####.#
...#.... ..#..... ..###... #####...
...#.... .#...... ..###... .###....
...#.... #....... ..###... ..#.....
........ ........ ........ ........
)";

// Triangles small and large, a chevron and a double chevron, pointing up in a 7 x 7 square.
const std::string_view pointer_art = R"(
........ ...#.... ........ ...#....
........ ..###... ...#.... ..#.#...
...#.... ..###... ..###... .#...#..
..###... .#####.. .##.##.. ...#....
.#####.. .#####.. ##...##. ..#.#...
........ #######. #.....#. .#...#..
........ ........ ........ ........
........ ........ ........ ........
)";

// The eight directions from up clockwise, made by turning the up and up-right drawings.
GlyphList eight_ways(const Glyph& up, const Glyph& up_right) {
    GlyphList out;
    Glyph straight = up;
    Glyph slanted = up_right;
    for (int turn = 0; turn < 4; ++turn) {
        out.push_back(straight);
        out.push_back(slanted);
        straight = turned(straight, 7);
        slanted = turned(slanted, 7);
    }
    return out;
}

GlyphList arrow_page() {
    GlyphList art = parse_art(arrow_art);
    if (art.size() != 4)
        return {};
    GlyphList out = eight_ways(art[0], art[1]);
    for (const Glyph& g : eight_ways(art[2], art[3]))
        out.push_back(g);
    return edged(out);
}

// Each drawing of pointer_art turned to point up, right, down and left.
GlyphList pointer_page() {
    GlyphList art = parse_art(pointer_art);
    if (art.size() != 4)
        return {};
    GlyphList out;
    for (Glyph g : art)
        for (int turn = 0; turn < 4; ++turn) {
            out.push_back(g);
            g = turned(g, 7);
        }
    return edged(out);
}

// Card suits filled and hollow, the dice faces one to six, a card back and a joker's star.
GlyphList card_page() {
    GlyphList suits = parse_art(japanese_symbol_art);
    if (suits.size() != 32)
        return {};
    GlyphList out;
    for (int s : {6, 3, 4, 5})
        out.push_back(suits[static_cast<size_t>(s)]);
    for (int s : {6, 3, 4, 5})
        out.push_back(make_glyph([&](int x, int y) {
            const Glyph& g = suits[static_cast<size_t>(s)];
            bool inner = g.at(x, y) && g.at(x - 1, y) && g.at(x + 1, y) && g.at(x, y - 1) && g.at(x, y + 1);
            return g.at(x, y) && !inner ? 1 : 0;
        }));
    // Pips on a 3 x 3 grid inside a rounded die, numbered from the top left.
    const int pips[6] = {0x010, 0x104, 0x111, 0x145, 0x155, 0x16D};
    for (int face = 0; face < 6; ++face)
        out.push_back(make_glyph([&](int x, int y) {
            if (x > 6 || y > 6)
                return 0;
            bool corner = (x == 0 || x == 6) && (y == 0 || y == 6);
            if (corner)
                return 0;
            if (x == 0 || x == 6 || y == 0 || y == 6)
                return 1;
            if (x % 2 == 0 || y % 2 == 0)
                return 0;
            int cell = (y / 2) * 3 + x / 2;
            return (pips[face] >> cell) & 1;
        }));
    out.push_back(paint([](int x, int y) {
        bool border = x == 0 || x == 6 || y == 0 || y == 7;
        return x < 7 && (border || (x + y) % 2 == 0);
    }));
    out.push_back(suits[0x1D]);
    return out;
}

// Short animations, four frames each: a ripple, a twinkle, a burst and a puff of smoke.
GlyphList effect_page() {
    GlyphList out;
    for (int frame = 0; frame < 4; ++frame) {
        double r = 0.8 + frame * 1.0;
        out.push_back(make_glyph([&](int x, int y) {
            double d = std::hypot(x - 3.5, y - 3.5);
            if (std::abs(d - r) < 0.6)
                return frame < 3 ? static_cast<int>(WHITE) : static_cast<int>(DIM);
            return 0;
        }));
    }
    for (int frame = 0; frame < 4; ++frame) {
        int arm = frame < 3 ? frame + 1 : 1;
        out.push_back(make_glyph([&](int x, int y) {
            int dx = std::abs(x - 3);
            int dy = std::abs(y - 3);
            if ((dx == 0 && dy <= arm) || (dy == 0 && dx <= arm))
                return dx + dy == arm && arm > 1 ? static_cast<int>(DIM) : static_cast<int>(WHITE);
            if (frame == 2 && dx == dy && dx == 1)
                return static_cast<int>(DIM);
            return 0;
        }));
    }
    for (int frame = 0; frame < 4; ++frame)
        out.push_back(make_glyph([&](int x, int y) {
            double d = std::hypot(x - 3.5, y - 3.5);
            bool ray = (x == y || x == 7 - y || std::abs(x - 3.5) < 1 || std::abs(y - 3.5) < 1);
            double core = 3.0 - frame;
            if (d <= core)
                return frame == 0 ? static_cast<int>(WHITE) : static_cast<int>(DIM);
            if (ray && d <= core + 1.5 + frame * 0.5 && d > core + frame * 0.5)
                return static_cast<int>(WHITE);
            return 0;
        }));
    const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int frame = 0; frame < 4; ++frame)
        out.push_back(make_glyph([&](int x, int y) {
            double d = std::hypot(x - 3.5, y - 3.5 + frame * 0.5);
            int density = 14 - frame * 4;
            return d <= 2.0 + frame * 0.6 && bayer[y % 4][x % 4] < density ? static_cast<int>(DIM) : 0;
        }));
    return out;
}

} // namespace

PageGlyphs symbol_page(int page) {
    const IconSet* icons = icon_set(page);
    switch (page) {
    case 29:
    case 30:
    case 31:
    case 32:
        return PageGlyphs{2, 0, frame_page(page - 29)};
    case 33:
        return PageGlyphs{2, 0, meter_page(true)};
    case 35:
        return PageGlyphs{2, 0, meter_page(false)};
    case 26:
        return PageGlyphs{2, 0, arrow_page()};
    case 27:
        return PageGlyphs{2, 0, pointer_page()};
    case 34:
        return PageGlyphs{1, 0, card_page()};
    case 36:
        return PageGlyphs{2, 0, segment_page()};
    case 56:
        return PageGlyphs{2, 0, effect_page()};
    case 43:
        return PageGlyphs{2, 0, spinner_page()};
    case 44:
        return PageGlyphs{2, 0, quadrant_page()};
    case 45:
        return PageGlyphs{2, 0, arms_page(false)};
    case 46:
        return PageGlyphs{2, 0, arms_page(true)};
    case 47:
        return PageGlyphs{2, 0, shape_page()};
    case 55:
        return PageGlyphs{2, 0, balloon_page()};
    case 57:
        return PageGlyphs{1, 0, dither_page(WHITE)};
    case 58:
        return PageGlyphs{2, 0, fade_page()};
    case 59:
        return PageGlyphs{1, 0, eighths_page()};
    default:
        break;
    }
    if (icons == nullptr)
        return PageGlyphs{2, 0, {}};
    GlyphList glyphs = parse_art(icons->art);
    if (glyphs.size() != 16)
        return PageGlyphs{icons->bits, 0, {}};
    if (icons->edge)
        glyphs = edged(glyphs);
    return PageGlyphs{icons->bits, 0, glyphs};
}

} // namespace lum::font
