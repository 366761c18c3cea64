#include "lum/graphics/font/glyph_art.hpp"

#include <string>

namespace lum::font {

bool Glyph::empty() const {
    for (uint8_t v : px)
        if (v != 0)
            return false;
    return true;
}

namespace {

int ink_of(char c) {
    switch (c) {
    case '.':
        return BLANK;
    case '#':
        return WHITE;
    case 'x':
        return BLACK;
    case '+':
        return DIM;
    default:
        return -1;
    }
}

std::vector<std::string_view> split_words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool is_label_or_blank(std::string_view line) {
    size_t i = line.find_first_not_of(" \t\r");
    return i == std::string_view::npos || line[i] == ';';
}

// Adds one band of eight rows to out; false when the rows do not match.
bool read_band(const std::vector<std::string_view>& rows, GlyphList& out) {
    std::vector<std::string_view> first = split_words(rows[0]);
    size_t base = out.size();
    out.resize(base + first.size());
    for (int y = 0; y < 8; ++y) {
        std::vector<std::string_view> words = split_words(rows[static_cast<size_t>(y)]);
        if (words.size() != first.size())
            return false;
        for (size_t g = 0; g < words.size(); ++g) {
            if (words[g].size() != 8)
                return false;
            for (int x = 0; x < 8; ++x) {
                int v = ink_of(words[g][static_cast<size_t>(x)]);
                if (v < 0)
                    return false;
                out[base + g].set(x, y, static_cast<uint8_t>(v));
            }
        }
    }
    return true;
}

} // namespace

GlyphList parse_art(std::string_view art) {
    GlyphList out;
    std::vector<std::string_view> band;
    size_t pos = 0;
    while (pos <= art.size()) {
        size_t end = art.find('\n', pos);
        if (end == std::string_view::npos)
            end = art.size();
        std::string_view line = art.substr(pos, end - pos);
        pos = end + 1;
        if (is_label_or_blank(line)) {
            if (!band.empty())
                return {};
            continue;
        }
        band.push_back(line);
        if (band.size() == 8) {
            if (!read_band(band, out))
                return {};
            band.clear();
        }
    }
    if (!band.empty())
        return {};
    return out;
}

Glyph shifted(const Glyph& g, int dx, int dy) {
    return make_glyph([&](int x, int y) { return g.at(x - dx, y - dy); });
}

Glyph overlay(const Glyph& bottom, const Glyph& top) {
    return make_glyph([&](int x, int y) { return top.at(x, y) != 0 ? top.at(x, y) : bottom.at(x, y); });
}

Glyph recolour(const Glyph& g, uint8_t v) {
    return make_glyph([&](int x, int y) { return g.at(x, y) != 0 ? v : 0; });
}

Glyph replace(const Glyph& g, uint8_t from, uint8_t to) {
    return make_glyph([&](int x, int y) { return g.at(x, y) == from ? to : g.at(x, y); });
}

Glyph embolden(const Glyph& g) {
    return overlay(shifted(g, 1, 0), g);
}

Glyph slant(const Glyph& g) {
    return make_glyph([&](int x, int y) {
        int lean = y <= 2 ? 1 : (y <= 4 ? 0 : -1);
        return g.at(x - lean, y);
    });
}

namespace {
bool touches(const Glyph& g, int x, int y, bool diagonals) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if ((dx == 0 && dy == 0) || (!diagonals && dx != 0 && dy != 0))
                continue;
            if (g.at(x + dx, y + dy) != 0)
                return true;
        }
    return false;
}
} // namespace

Glyph outline(const Glyph& g, uint8_t v) {
    return make_glyph(
        [&](int x, int y) { return g.at(x, y) != 0 ? g.at(x, y) : (touches(g, x, y, true) ? v : 0); });
}

Glyph outline_edges(const Glyph& g, uint8_t v) {
    return make_glyph(
        [&](int x, int y) { return g.at(x, y) != 0 ? g.at(x, y) : (touches(g, x, y, false) ? v : 0); });
}

Glyph drop_shadow(const Glyph& g, int dx, int dy, uint8_t v) {
    return make_glyph([&](int x, int y) {
        if (g.at(x, y) != 0)
            return static_cast<int>(g.at(x, y));
        return g.at(x - dx, y - dy) != 0 ? static_cast<int>(v) : 0;
    });
}

Glyph hollow(const Glyph& g) {
    return make_glyph([&](int x, int y) { return g.at(x, y) == 0 && touches(g, x, y, true) ? 1 : 0; });
}

Glyph inverted(const Glyph& g, int x0, int y0, int x1, int y1) {
    return make_glyph([&](int x, int y) {
        bool in = x >= x0 && x <= x1 && y >= y0 && y <= y1;
        return in ? (g.at(x, y) != 0 ? 0 : 1) : g.at(x, y);
    });
}

Glyph underlined(const Glyph& g) {
    return make_glyph([&](int x, int y) {
        if (y != 7)
            return static_cast<int>(g.at(x, y));
        if (g.at(x, 7) != 0)
            return static_cast<int>(g.at(x, 7));
        bool near_ink = g.at(x - 1, 7) != 0 || g.at(x + 1, 7) != 0;
        return near_ink ? 0 : 1;
    });
}

namespace {
int run_length(const Glyph& g, int x, int y, int dx, int dy) {
    int n = 0;
    while (g.at(x, y) != 0) {
        ++n;
        x += dx;
        y += dy;
    }
    return n;
}
} // namespace

Glyph rounded(const Glyph& g) {
    Glyph out = g;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            if (g.at(x, y) == 0)
                continue;
            for (int sy = -1; sy <= 1; sy += 2)
                for (int sx = -1; sx <= 1; sx += 2) {
                    // A corner pixel: nothing beyond it on either side, and long strokes leaving it.
                    bool open = g.at(x + sx, y) == 0 && g.at(x, y + sy) == 0 && g.at(x + sx, y + sy) == 0;
                    if (open && run_length(g, x, y, -sx, 0) >= 3 && run_length(g, x, y, 0, -sy) >= 3)
                        out.set(x, y, 0);
                }
        }
    return out;
}

Glyph two_tone(const Glyph& g, int split, uint8_t top, uint8_t bottom) {
    return make_glyph([&](int x, int y) { return g.at(x, y) == 0 ? 0 : (y <= split ? top : bottom); });
}

Glyph mirrored_x(const Glyph& g, int width) {
    return make_glyph([&](int x, int y) { return x < width ? g.at(width - 1 - x, y) : g.at(x, y); });
}

Glyph mirrored_y(const Glyph& g, int height) {
    return make_glyph([&](int x, int y) { return y < height ? g.at(x, height - 1 - y) : g.at(x, y); });
}

Glyph turned(const Glyph& g, int size) {
    return make_glyph([&](int x, int y) { return x < size && y < size ? g.at(y, size - 1 - x) : 0; });
}

Glyph squeezed(const Glyph& g, int drop_a, int drop_b, int last) {
    Glyph out;
    int row = last;
    for (int y = 6; y >= 0; --y) {
        if (y == drop_a || y == drop_b)
            continue;
        for (int x = 0; x < 8; ++x)
            out.set(x, row, g.at(x, y));
        --row;
    }
    return out;
}

} // namespace lum::font
