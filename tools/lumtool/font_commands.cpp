// lumtool font-sheet: a picture of all sixty pages of the engine's system font.

#include "command.hpp"

#include "lum/graphics/font/glyph_block.hpp"
#include "lum/graphics/png_writer.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace lumtool {

namespace {

struct Colour {
    uint8_t r, g, b;
};

const Colour SHEET{20, 22, 30};
const Colour CELL{62, 70, 96};
const Colour WHITE{255, 255, 255};
const Colour BLACK{0, 0, 0};

// Cells are 8 pixels with 1 pixel between them and around the grid.
constexpr int PITCH = 9;
constexpr int GRID_WIDTH = 16 * PITCH + 1;
constexpr int LABEL_WIDTH = 2 * 8 + 4;
constexpr int COLUMN_GAP = 14;
constexpr int PAGE_GAP = 5;
constexpr int MARGIN = 8;
constexpr int COLUMNS = 4;
constexpr int TITLE_PAGE = 0;
constexpr int LABEL_PAGE = 3;

// An RGB picture in memory, row 0 at the top.
class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), px_(static_cast<size_t>(width * height), SHEET) {}

    int width() const { return width_; }
    int height() const { return height_; }
    const Colour& at(int x, int y) const { return px_[static_cast<size_t>(y * width_ + x)]; }
    void set(int x, int y, Colour c) {
        if (x >= 0 && x < width_ && y >= 0 && y < height_)
            px_[static_cast<size_t>(y * width_ + x)] = c;
    }
    void fill(int x, int y, int w, int h, Colour c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                set(i, j, c);
    }

  private:
    int width_;
    int height_;
    std::vector<Colour> px_;
};

// The glyph palette over a background: 0 shows the background, 3 is white at 160/255.
Colour ink(int value, Colour background) {
    auto mix = [](uint8_t over, uint8_t under) {
        return static_cast<uint8_t>((over * 160 + under * 95 + 127) / 255);
    };
    switch (value) {
    case 1:
        return WHITE;
    case 2:
        return BLACK;
    case 3:
        return Colour{mix(255, background.r), mix(255, background.g), mix(255, background.b)};
    default:
        return background;
    }
}

void draw_glyph(Canvas& canvas, const lum::GlyphBlock& block, int glyph, int x, int y, Colour background) {
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i)
            canvas.set(x + i, y + j, ink(block.pixel(glyph, i, j), background));
}

// Draws text in the font itself, codes looked up on the page; returns the width drawn.
int draw_text(Canvas& canvas, int page, const std::string& text, int x, int y) {
    const lum::GlyphBlock* block = lum::builtin_glyph_block(page);
    if (block == nullptr)
        return 0;
    for (size_t n = 0; n < text.size(); ++n) {
        int glyph = block->glyph_of_code(static_cast<unsigned char>(text[n]));
        if (glyph >= 0)
            for (int j = 0; j < 8; ++j)
                for (int i = 0; i < 8; ++i) {
                    int v = block->pixel(glyph, i, j);
                    if (v != 0)
                        canvas.set(x + static_cast<int>(n) * 8 + i, y + j, ink(v, SHEET));
                }
    }
    return static_cast<int>(text.size()) * 8;
}

int rows_of(int page) {
    const lum::GlyphBlock* block = lum::builtin_glyph_block(page);
    int count = block != nullptr ? block->glyph_count() : 16;
    return (count + 15) / 16;
}

int page_height(int page) {
    return rows_of(page) * PITCH + 1;
}

// Splits the pages, in order, into columns whose tallest is as short as it can be.
std::vector<int> column_starts() {
    int total = 0;
    for (int p = 0; p < lum::SYSTEM_FONT_PAGES; ++p)
        total += page_height(p) + PAGE_GAP;
    for (int limit = 1; limit <= total; ++limit) {
        std::vector<int> starts{0};
        int used = 0;
        for (int p = 0; p < lum::SYSTEM_FONT_PAGES; ++p) {
            int h = page_height(p) + PAGE_GAP;
            if (used + h > limit && used > 0) {
                starts.push_back(p);
                used = 0;
            }
            used += h;
        }
        if (static_cast<int>(starts.size()) <= COLUMNS)
            return starts;
    }
    return {0};
}

void draw_page(Canvas& canvas, int page, int x, int y) {
    std::string number = std::to_string(page);
    if (number.size() < 2)
        number = " " + number;
    draw_text(canvas, LABEL_PAGE, number, x, y + 1);
    int gx = x + LABEL_WIDTH;
    const lum::GlyphBlock* block = lum::builtin_glyph_block(page);
    int count = block != nullptr ? block->glyph_count() : 0;
    for (int g = 0; g < count; ++g) {
        int cx = gx + 1 + (g % 16) * PITCH;
        int cy = y + 1 + (g / 16) * PITCH;
        draw_glyph(canvas, *block, g, cx, cy, CELL);
    }
}

Canvas draw_sheet() {
    const std::string title = "lum system font: 60 pages";
    std::vector<int> starts = column_starts();
    starts.push_back(lum::SYSTEM_FONT_PAGES);
    int tallest = 0;
    for (size_t c = 0; c + 1 < starts.size(); ++c) {
        int h = 0;
        for (int p = starts[c]; p < starts[c + 1]; ++p)
            h += page_height(p) + PAGE_GAP;
        tallest = std::max(tallest, h);
    }
    const int column_width = LABEL_WIDTH + GRID_WIDTH + COLUMN_GAP;
    const int top = MARGIN + 8 + 2 * PAGE_GAP;
    const int columns = static_cast<int>(starts.size()) - 1;
    Canvas canvas(2 * MARGIN + columns * column_width - COLUMN_GAP, top + tallest + MARGIN - PAGE_GAP);
    draw_text(canvas, TITLE_PAGE, title, MARGIN, MARGIN);
    for (int c = 0; c < columns; ++c) {
        int y = top;
        for (int p = starts[static_cast<size_t>(c)]; p < starts[static_cast<size_t>(c) + 1]; ++p) {
            draw_page(canvas, p, MARGIN + c * column_width, y);
            y += page_height(p) + PAGE_GAP;
        }
    }
    return canvas;
}

// Writes the sheet with each of its pixels as a square of scale x scale.
void save_png(const Canvas& canvas, int scale, const std::string& out) {
    lum::Path path = path_of(out);
    try {
        lum::write_png(path, canvas.width() * scale, canvas.height() * scale, [&](int32_t y, uint8_t* rgb) {
            for (int x = 0; x < canvas.width() * scale; ++x) {
                const Colour& c = canvas.at(x / scale, y / scale);
                rgb[x * 3] = c.r;
                rgb[x * 3 + 1] = c.g;
                rgb[x * 3 + 2] = c.b;
            }
        });
    } catch (const lum::Exception& e) {
        fail_on_file("cannot write", out, path, e);
    }
}

int parse_scale(const std::string& word) {
    int value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < 1 || value > 8)
        throw UsageError{"the scale must be an integer from 1 to 8, not '" + word + "'"};
    return value;
}

int font_sheet(const std::vector<std::string>& args) {
    int scale = 2;
    std::string out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--scale") {
            if (i + 1 == args.size())
                throw UsageError{"--scale needs a value"};
            scale = parse_scale(args[++i]);
        } else if (out.empty()) {
            out = args[i];
        } else {
            throw UsageError{"font-sheet takes one output file"};
        }
    }
    if (out.empty())
        throw UsageError{"font-sheet needs an output file"};
    for (int p = 0; p < lum::SYSTEM_FONT_PAGES; ++p)
        if (lum::builtin_glyph_block(p) == nullptr)
            throw Failure{"font page " + std::to_string(p) + " is missing"};
    save_png(draw_sheet(), scale, out);
    return 0;
}

} // namespace

const Registration font_sheet_registration({"font-sheet", "font-sheet [--scale N] OUT.png",
                                            "a PNG picture of the sixty system font pages", font_sheet});

} // namespace lumtool
