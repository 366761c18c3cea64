#include "lum/graphics/font/text_screen.hpp"

#include <algorithm>
#include <cstring>

namespace lum {

namespace {

constexpr uint32_t NOTHING_WORD = 0xBEEFDEAD;

// A rectangle of cells clipped to a columns x rows grid; empty when nothing is left.
Rect clipped(const Rect& r, int32_t columns, int32_t rows) {
    const int64_t x0 = std::max<int64_t>(r.x, 0);
    const int64_t y0 = std::max<int64_t>(r.y, 0);
    const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(r.x) + r.width, columns);
    const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(r.y) + r.height, rows);
    if (x1 <= x0 || y1 <= y0)
        return Rect();
    return Rect(static_cast<int32_t>(x0), static_cast<int32_t>(y0), static_cast<int32_t>(x1 - x0),
                static_cast<int32_t>(y1 - y0));
}

// Flags after a control unit 1..8.
uint8_t apply_control(uint8_t flags, char16_t unit) {
    const uint8_t turns = flags & static_cast<uint8_t>(~MIRROR_BITS);
    const uint8_t mirror = flags & MIRROR_BITS;
    switch (unit) {
    case 1:
        return turns;
    case 2:
        return turns | MIRROR_X;
    case 3:
        return turns | MIRROR_Y;
    case 4:
        return turns | MIRROR_BITS;
    default:
        return static_cast<uint8_t>(mirror | ((unit - 5) << ROTATION_SHIFT));
    }
}

bool is_control(char16_t unit) {
    return unit >= 1 && unit <= 8;
}

} // namespace

TextCell TextCell::nothing() {
    const uint32_t words[4] = {NOTHING_WORD, NOTHING_WORD, NOTHING_WORD, NOTHING_WORD};
    TextCell cell;
    std::memcpy(&cell, words, sizeof cell);
    return cell;
}

TextScreen::TextScreen(TextCanvas& canvas) : canvas_(&canvas) {}

TextScreen::~TextScreen() {
    destroy();
}

bool TextScreen::inside(int32_t column, int32_t row) const {
    return static_cast<uint32_t>(column) < static_cast<uint32_t>(columns_) &&
           static_cast<uint32_t>(row) < static_cast<uint32_t>(rows_);
}

const TextCell& TextScreen::cell(int32_t column, int32_t row) const {
    if (!inside(column, row)) {
        static const TextCell none{};
        // The index the grid would use, wrapped to 32 bits as the warning prints it.
        uint32_t index =
            static_cast<uint32_t>(row) * static_cast<uint32_t>(columns_) + static_cast<uint32_t>(column);
        runtime_warning("TextScreen::cell", "Invalid index", "row * columns + column",
                        static_cast<int32_t>(index));
        return none;
    }
    return cells_.at(row * columns_ + column);
}

void TextScreen::resize(int32_t columns, int32_t rows) {
    columns = std::clamp(columns, 1, MAX_CELLS);
    rows = std::clamp(rows, 1, MAX_CELLS);
    cells_.clear();
    canvas_->release(target_);
    current_page = DEFAULT_PAGE;
    palette = &default_text_palette();
    current_colour = palette->default_colour;
    cells_drawn_ = 0;
    columns_ = columns;
    rows_ = rows;
    cells_.resize(columns * rows);
    canvas_->create(target_, columns * CELL_SIZE, rows * CELL_SIZE);
    // The new target is transparent already; older fills have nothing left to cover.
    fill_queue_.clear();
    clear(Rect(0, 0, columns, rows));
}

void TextScreen::clear(const Rect& cells) {
    fill_queue_.push_back(cells);
    forget(cells);
}

void TextScreen::forget(const Rect& cells) {
    const Rect r = clipped(cells, columns_, rows_);
    for (int32_t row = r.y; row < r.y + r.height; ++row)
        for (int32_t column = r.x; column < r.x + r.width; ++column)
            at(column, row) = TextCell::nothing();
}

void TextScreen::print(int32_t x, int32_t y, const String& text) {
    uint8_t flags = 0;
    for (char16_t unit : text) {
        if (is_control(unit)) {
            flags = apply_control(flags, unit);
            continue;
        }
        // Past the right edge nothing more lands, so x never runs past it.
        if (x >= columns_)
            return;
        if (inside(x, y))
            at(x, y).wanted = CellHalf{unit, current_page, current_colour, 0, flags};
        ++x;
    }
}

void TextScreen::scroll() {
    if (columns_ <= 0 || rows_ <= 0)
        return;
    canvas_->clear(target_);
    for (int32_t row = 1; row < rows_; ++row)
        for (int32_t column = 0; column < columns_; ++column) {
            TextCell& above = at(column, row - 1);
            above.wanted = at(column, row).wanted;
            // The target is blank now: every moved cell must differ so that it is drawn again.
            above.drawn = CellHalf{};
            if (above.wanted == above.drawn)
                above.drawn.code = 1;
        }
    const CellHalf space{32, DEFAULT_PAGE, default_text_palette().default_colour, 0, 0};
    for (int32_t column = 0; column < columns_; ++column)
        at(column, rows_ - 1) = TextCell{CellHalf{}, space};
}

void TextScreen::draw_fill(const Rect& cells) {
    const Rect r = clipped(cells, columns_, rows_);
    if (r.width == 0)
        return;
    canvas_->fill(Rect(r.x * CELL_SIZE, r.y * CELL_SIZE, r.width * CELL_SIZE, r.height * CELL_SIZE));
}

void TextScreen::flush() {
    cells_drawn_ = 0;
    if (columns_ <= 0 || rows_ <= 0)
        return;
    // With no fill queued and no cell changed the target already shows the
    // cells; entering it would only cost a switch of framebuffers.
    if (fill_queue_.empty() &&
        std::none_of(cells_.begin(), cells_.end(), [](const TextCell& c) { return c.changed(); }))
        return;
    // The target is left again even when drawing throws, so the target stack stays balanced.
    struct Drawing {
        TextCanvas& canvas;
        RenderTarget& target;
        Drawing(TextCanvas& c, RenderTarget& t) : canvas(c), target(t) { canvas.begin(target); }
        ~Drawing() { canvas.end(target); }
    } drawing(*canvas_, target_);

    for (const Rect& r : fill_queue_)
        draw_fill(r);
    fill_queue_.clear();

    const TextPalette& colours = palette != nullptr ? *palette : default_text_palette();
    for (int32_t row = 0; row < rows_; ++row)
        for (int32_t column = 0; column < columns_; ++column) {
            TextCell& c = at(column, row);
            if (!c.changed())
                continue;
            c.drawn = c.wanted;
            const Charset* charset = SystemFont::slot(c.drawn.page);
            if (charset == nullptr || charset->drawing_texture() == 0)
                continue;
            const uint8_t flags = c.drawn.flags;
            canvas_->glyph(*charset, c.drawn.code, column * CELL_SIZE + CELL_SIZE / 2,
                           row * CELL_SIZE + CELL_SIZE / 2, flags & MIRROR_X ? -CELL_SIZE : CELL_SIZE,
                           flags & MIRROR_Y ? -CELL_SIZE : CELL_SIZE, colours.colour(c.drawn.colour),
                           90 * ((flags >> ROTATION_SHIFT) & 3));
            ++cells_drawn_;
        }
}

void TextScreen::destroy() {
    cells_.clear();
    fill_queue_.clear();
    canvas_->release(target_);
    columns_ = 0;
    rows_ = 0;
    cells_drawn_ = 0;
}

} // namespace lum
